#include "flow/BoardCtrl.h"

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
    for (int i = 0; i < kMaxPlayers; ++i) {
        QLabel* label = m_scores[i].m_pLabel;
        if (!label)
            continue;
        QString text = QString::asprintf(kScoreFormat, kColourNames[i], counts[i], cells);
        if (i + 1 == m_nCurrentPlayer)
            text += QLatin1String(kPlayingMarker);
        label->setText(text);
    }
    for (const ScoreEntry& entry : m_scores)
        if (entry.m_pLabel)
            entry.m_pLabel->setVisible(entry.m_nDiscs != 0);
}
