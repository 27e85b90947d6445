// A question coming to a step (a new one, a copy, one moved from another step) and where it
// goes when the step already plays ten, so that none of them leaves play unsaid.
#pragma once

#include "OpenBank.h"

#include <QString>

#include <optional>

namespace kvardelon::editor {

enum class ArrivalKind { New, Copy, Move };

struct Arrival {
    ArrivalKind kind = ArrivalKind::New;
    int step = 1;   // the step it comes to
    Place from;     // the record copied or moved
    Record record;  // what a new question holds
};

// Whether the arrival would push one of the step's first ten out of play, so that the author
// must say which gives up its place. A copy of a record after the tenth pushes nothing out.
bool needsRoom(const OpenBank& bank, const Arrival& arrival);

// For a moved question: whether the one giving up its place would land after the tenth on
// the step the moved one leaves, where it is not played.
bool exchangeLandsUnplayed(const Arrival& arrival);

// The record of the full step, 0..9, offered first to give up its place: `wanted` when it
// may (the record the author stands on), else the tenth, or the ninth when the tenth is the
// copy's own original.
int offeredPlace(const Arrival& arrival, int wanted);

struct Arrived {
    Place at;     // where the arriving question now is
    QString said;  // for the status bar: where it went and what left
};

// instead: the record of the step, 0..9, whose place the arrival takes. A new question or a
// copy replaces it, and it leaves the bank; a moved question changes places with it, so that
// it goes to the moved one's step. Without it the arrival goes after the step's last record,
// where the game does not draw it. One undo step either way.
Arrived arrive(OpenBank& bank, const Arrival& arrival, std::optional<int> instead);

}  // namespace kvardelon::editor
