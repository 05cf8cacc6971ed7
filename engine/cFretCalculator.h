#pragma once

#include <string>

#include "framework/runtime/FixedArray.h"
#include "framework/runtime/Types.h"

// One instrument's parameters, the fret positions computed from them and the
// fret offsets text that every reader of the positions parses.
class cFretCalculator {
  public:
    using PositionArray = FixedArray<Double, 100>;
    using FlagArray = FixedArray<Boolean, 100>;

    cFretCalculator();
    // Stores both values unchecked: the caller keeps them within the setters' limits.
    cFretCalculator(Double scaleLength, Integer numFrets);

    void calcFrets();
    void calcDulcFrets();
    std::string printFrets() const;

    void setScaleLength(Double value);
    void setNumFrets(Integer value);
    void setFretsPerOctave(Integer value);
    void setPrecision(Integer value);
    void setDulcHalfFrets(Boolean zero, Boolean one, Boolean three, Boolean four, Boolean six);

    std::string FretAsOffsets() const;
    Double Inches2mm(Double inches) const;
    std::string InchesTo64ths(Double inches) const;
    Boolean isEven(Integer value) const;

    Integer num_frets = 0;
    Integer precision = 0;
    Double scale_length = 0.0;
    Integer frets_per_octave = 0;
    PositionArray dulc_frets;
    FlagArray dulc_half_frets_bool;
    PositionArray nut_to_fret;
    Boolean isDulcimer = false;
    Boolean Simplify = false;

  private:
    // The three lines that open both texts: frets, scale length, frets per octave.
    std::string headerLines() const;
};
