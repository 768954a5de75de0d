#pragma once

#include "core/handler_support.h"
#include "core/lossy_converter.h"
#include "core/module1.h"

#include <string>

// The reference converter of the simulation: 15 V, 62.5 %, 11 kHz, 400 uH, 60 uF, 25 ohm,
// 1000 samples per period, 5000 periods.
inline Module1 ExampleConverter() {
    Module1 m;
    m.Vi = 15;
    m.D = 0.625;
    m.f = 11000;
    m.L = 0.0004;
    m.C = 0.00006;
    m.RL = 25;
    m.N = 1000;
    m.NP = 10;
    m.NI = 5000;
    return m;
}

// Parts of a small switching converter: 50 mOhm switch, 80 mOhm winding, 30 mOhm ESR, a
// Schottky diode (0.45 V, 20 mOhm), 20 / 30 ns overlaps, 200 pF, 10 nC at 10 V.
inline RealParts TypicalParts() {
    RealParts parts;
    parts.rS = 0.05;
    parts.rL = 0.08;
    parts.rC = 0.03;
    parts.Vf = 0.45;
    parts.rD = 0.02;
    parts.tr = 20e-9;
    parts.tf = 30e-9;
    parts.Coss = 200e-12;
    parts.Qg = 10e-9;
    parts.Vg = 10;
    return parts;
}

// The nine verification fields in the order they are checked, with the words their messages
// use for each.
struct VerificationSubject {
    TextBox box;
    std::string subject;
};

inline const VerificationSubject VerificationOrder[] = {
    {TextBox::Text7, "la tensione di ingresso Vi"},
    {TextBox::Text8, "il valore del Duty Cycle in %"},
    {TextBox::Text12, "il valore della frequenza di commutazione f in kHz"},
    {TextBox::Text9, "il valore dell'induttanza in uH"},
    {TextBox::Text10, "il valore della capacità in uF"},
    {TextBox::Text11, "il valore della resistenza di carico RL in ohm"},
    {TextBox::Text13, "il numero dei campioni N"},
    {TextBox::Text14, "il numero dei periodi visualizzati NP"},
    {TextBox::Text15, "il numero delle iterazioni NI"}};
