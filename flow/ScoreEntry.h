#pragma once

class QLabel;

// One colour's score line: its label in the main window (not owned) and its disc count as
// of the last UpdateScores.
struct ScoreEntry {
    QLabel* m_pLabel = nullptr;
    int m_nDiscs = 0;
};
