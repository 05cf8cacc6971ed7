#include "engine/cFretCalculator.h"

#include <cmath>

#include "framework/runtime/Math.h"
#include "framework/runtime/Text.h"

namespace {

const char* maskFor(Integer precision) {
    switch (precision) {
        case 0:
            return "###";
        case 1:
            return "###.0";
        case 2:
            return "###.00";
        case 4:
            return "###.0000";
        case 5:
            return "###.00000";
        default:
            return "###.000";
    }
}

// Half-fret flags repeat every seven diatonic frets: Zero+, One+, -, Three+, Four+, -, Six+.
constexpr Integer kHalfFretPeriod = 7;
constexpr Integer kFlaggedDiatonicFrets = 35;

}  // namespace

cFretCalculator::cFretCalculator()
    : num_frets(24), precision(3), scale_length(25.0), frets_per_octave(12) {}

cFretCalculator::cFretCalculator(Double scaleLength, Integer numFrets)
    : num_frets(numFrets), precision(3), scale_length(scaleLength), frets_per_octave(12) {}

void cFretCalculator::setScaleLength(Double value) {
    if (value <= 0) value = 12.0;
    if (value > 120.0) value = 120.0;
    scale_length = value;
}

void cFretCalculator::setNumFrets(Integer value) {
    if (value < 0) value = 0;
    if (value > 100) value = 100;
    num_frets = value;
}

void cFretCalculator::setFretsPerOctave(Integer value) {
    if (value <= 0) value = 12;
    if (value > 100) value = 100;
    frets_per_octave = value;
}

void cFretCalculator::setPrecision(Integer value) {
    if (value <= 0 || value > 5) value = 3;
    precision = value;
}

void cFretCalculator::setDulcHalfFrets(Boolean zero, Boolean one, Boolean three, Boolean four,
                                       Boolean six) {
    const Boolean pattern[kHalfFretPeriod] = {zero, one, false, three, four, false, six};
    for (Integer i = 0; i < kFlaggedDiatonicFrets; ++i) {
        dulc_half_frets_bool[i] = pattern[i % kHalfFretPeriod];
    }
}

void cFretCalculator::calcFrets() {
    const Double length = scale_length;
    nut_to_fret[0] = 0.0;
    for (Integer i = 1; i <= num_frets; ++i) {
        nut_to_fret[i] = length - length / Pow(2.0, static_cast<Double>(i) /
                                                        static_cast<Double>(frets_per_octave));
    }
}

void cFretCalculator::calcDulcFrets() {
    // Counters of the five half-fret slots: the diatonic fret each one follows next.
    Integer zeroPlus = 0, onePlus = 1, threePlus = 3, fourPlus = 4, sixPlus = 6;
    const Double length = scale_length;
    nut_to_fret[0] = 0.0;
    Integer semitone = 0;
    Integer fret = 1;
    while (fret <= num_frets) {
        ++semitone;
        Integer* slot = nullptr;
        switch (semitone % 12) {
            case 1:
                slot = &zeroPlus;
                break;
            case 3:
                slot = &onePlus;
                break;
            case 6:
                slot = &threePlus;
                break;
            case 8:
                slot = &fourPlus;
                break;
            case 11:
                slot = &sixPlus;
                break;
            default:
                break;
        }
        Integer halfFret = -1;
        if (slot) {
            const Integer follows = *slot;
            *slot += kHalfFretPeriod;
            if (!dulc_half_frets_bool[follows]) continue;
            halfFret = follows;
        }
        const Double position = length - length / Pow(2.0, static_cast<Double>(semitone) / 12.0);
        if (halfFret >= 0) {
            dulc_frets[halfFret] = position;
        } else {
            nut_to_fret[fret] = position;
            ++fret;
        }
    }
}

Double cFretCalculator::Inches2mm(Double inches) const {
    return ((inches / 12.0) / 3.2808399) * 1000.0;
}

Boolean cFretCalculator::isEven(Integer value) const { return value % 2 == 0; }

std::string cFretCalculator::InchesTo64ths(Double inches) const {
    const Integer whole = ToInteger(inches);
    // The fraction rounded half away from zero to whole 64ths, as Format(a, "##")
    // writes it; a rounded 64/64 stays a fraction, it is not carried.
    Integer numerator = ToInteger(std::round((inches - static_cast<Double>(whole)) * 64.0));
    Integer denominator = 64;
    if (Simplify && numerator != 0) {
        while (isEven(numerator)) {
            numerator /= 2;
            denominator /= 2;
        }
    }
    std::string text;
    if (whole >= 1) {
        text = Str(whole);
        if (numerator == 0) return text;
        text += ' ';
    }
    text += Str(numerator);
    text += '/';
    text += Str(denominator);
    return text;
}

std::string cFretCalculator::headerLines() const {
    const std::string eol = EndOfLine();
    return "Number of Frets: " + Str(num_frets) + eol + "Scale Length: " + Str(scale_length) + eol +
           "Frets Per Octave: " + Str(frets_per_octave) + eol;
}

std::string cFretCalculator::FretAsOffsets() const {
    const char* mask = maskFor(precision);
    const std::string tab = Chr(9);
    const std::string inchMark = Chr(34);
    const std::string eol = EndOfLine();

    std::string text;
    text.reserve(static_cast<std::size_t>(num_frets + 30) * 64);
    text += headerLines();
    text += eol;

    auto appendRow = [&](const std::string& label, Double position, Double previous,
                         bool showDistances) {
        const Double distance = position - previous;
        const std::string dashes = "--";
        text += label;
        text += tab;
        text += Format(position, mask);
        text += tab;
        text += showDistances ? Format(distance, mask) : dashes;
        text += tab;
        text += InchesTo64ths(position);
        text += tab;
        text += showDistances ? InchesTo64ths(distance) : dashes;
        text += tab;
        text += Format(Inches2mm(position), mask);
        text += tab;
        text += showDistances ? Format(Inches2mm(distance), mask) : dashes;
        text += eol;
    };

    Double previous = 0.0;
    for (Integer j = 0; j <= num_frets; ++j) {
        if (j >= 1) {
            const Double position = nut_to_fret[j];
            appendRow(Str(j), position, previous, previous != 0.0);
            previous = position;
        }
        // The half fret after the last fret lies beyond the walk; it has no position.
        if (j < num_frets && dulc_half_frets_bool[j]) {
            const Double position = dulc_frets[j];
            appendRow(Str(j) + "+", position, previous, true);
            previous = position;
        }
    }

    if (num_frets > 0) {
        text += "." + eol;
        const Double toBridge = scale_length - nut_to_fret[num_frets];
        text += "Last Fret to Bridge";
        text += tab + Format(toBridge, mask) + inchMark;
        text += tab + InchesTo64ths(toBridge) + inchMark;
        text += tab + Format(Inches2mm(toBridge), mask) + " mm";
        text += tab + tab + tab + eol;
    }
    return text;
}

std::string cFretCalculator::printFrets() const {
    const char* mask = maskFor(precision);
    const std::string eol = EndOfLine();
    std::string text = headerLines();
    for (Integer i = 0; i <= num_frets; ++i) {
        if (i >= 1) text += "Fret " + Str(i) + ": " + Format(nut_to_fret[i], mask) + eol;
        if (i < num_frets && dulc_half_frets_bool[i]) {
            text += "Fret " + Str(i) + "+: " + Format(dulc_frets[i], mask) + eol;
        }
    }
    return text;
}
