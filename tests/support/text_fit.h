#pragma once
// Finds the texts of a window that do not read in full: a caption wider than the room its
// control gives it, a text that runs into another control, or one cut off by the edge of a
// control that holds it (the window's edge among them). Only what is shown counts: hidden
// controls and pages not on top are not looked at, so a caller shows each page in turn.
#include <QString>
#include <ostream>
#include <vector>

class QWidget;

namespace quarrant::test_support {

struct TextFitProblem {
  QString control;  // the object name (or class) path from the window down
  QString text;
  int textWidth = 0;  // pixels the text needs
  int room = 0;       // pixels its control gives it
  QString fault;      // "wider than its control", "overlaps <control>", "cut off by <control>"
};

// Every problem of the visible controls of window (a top-level widget).
std::vector<TextFitProblem> textFitProblems(const QWidget& window);

void PrintTo(const TextFitProblem& problem, std::ostream* out);

}  // namespace quarrant::test_support
