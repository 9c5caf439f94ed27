#include "flow/BoardCtrl.h"

#include <algorithm>

#include <QLabel>
#include <QString>

#include "flow/FlowTexts.h"

void CBoardCtrl::UpdateScores()
{
    int counts[kMaxPlayers];
    CountDiscs(counts);
    const int cells = m_nBoardSize * m_nBoardSize;
    for (int i = 0; i < kMaxPlayers; ++i)
        m_scores[i].m_nDiscs = counts[i];

    // Every text is in place before any line appears, so a line never shows up with the
    // count of an earlier update. A board without labels (benchmarks) only counts.
    if (std::none_of(std::begin(m_scores), std::end(m_scores),
            [](const ScoreEntry& entry) { return entry.m_pLabel; }))
        return;
    // Each name is padded to the longest of the player's language (five letters in English),
    // so that the numbers of all four lines start at the same letter.
    QString names[kMaxPlayers];
    qsizetype nLongest = 0;
    for (int i = 0; i < kMaxPlayers; ++i) {
        names[i] = ColourName(i + 1);
        nLongest = std::max(nLongest, names[i].size());
    }
    const QString format = FlowTr(kScoreFormat);
    const QString cellsText = QString::number(cells);
    for (int i = 0; i < kMaxPlayers; ++i) {
        QLabel* label = m_scores[i].m_pLabel;
        if (!label)
            continue;
        QString text
            = format.arg(names[i].leftJustified(nLongest), QString::number(counts[i]), cellsText);
        if (i + 1 == m_nCurrentPlayer)
            text += FlowTr(kPlayingMarker);
        label->setText(text);
    }
    for (const ScoreEntry& entry : m_scores)
        if (entry.m_pLabel)
            entry.m_pLabel->setVisible(entry.m_nDiscs != 0);
}
