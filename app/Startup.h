#pragma once

// The start of the program, in the order _Main runs it.

// The whole run: start-up, the event loop, and the report of an exception
// that escapes either.
void _Main();
// The file types, then the application object with its menu bar.
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
// Called back by the framework's initialisation: creates the main window.
void _LateStartup();
void _MakeDefaultView();
