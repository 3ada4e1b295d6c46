#pragma once

#include <QStringList>

class QLabel;

// A view's small labels (units, readings, marks) are each made as wide as the widest text
// they may show needs in the font the current sheet gives them, so nothing is cut in the large
// font or another language. The widgets refit a label when its font, its style or the
// language changes.

// gap: room of the label's own before its text, so the text keeps clear of its left
// neighbour. fixed: exactly that width, so a column keeps its place whichever of its texts
// shows; otherwise the form's own bounds stay where they give the text room enough.
// Rich texts are given as their plain text.
void fitLabelWidth(QLabel *label, const QStringList &texts, int gap = 0, bool fixed = false);

// One blank of the label's font: the room a mark keeps between itself and the unit before it.
int blankWidth(const QLabel *label);

// The widest texts a reading (two decimals) or a set point shown in its place (up to three
// decimals) takes for values up to maximum.
QStringList widestReadings(double maximum);
