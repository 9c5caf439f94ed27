#pragma once

// What the widget tests and benchmarks share: QString in failure messages, a paint counter,
// and the game's messages as a player reads them.

#include <ostream>
#include <vector>

#include <QEvent>
#include <QObject>
#include <QString>

// Failures then show the text rather than the bytes of the object.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Counts the paint events of the widgets it is installed on, to tell a real repaint from
// none (a hidden widget does not paint).
class PaintCounter : public QObject {
public:
    long long m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_nPaints += event->type() == QEvent::Paint;
        return false;
    }
};

struct Message {
    QString text;
    QString caption;
    friend bool operator==(const Message&, const Message&) = default;
};
using Messages = std::vector<Message>;

inline void PrintTo(const Message& m, std::ostream* os)
{
    *os << '"' << m.text.toStdString() << "\" / \"" << m.caption.toStdString() << '"';
}

inline const QString kNoChoiseCaption = "No Choise";
inline Message Pass(const QString& colour)
{
    return { colour + " has no choise, it will have to skip his/her turn.", kNoChoiseCaption };
}
inline Message Won(const QString& colour)
{
    const QString text = colour + " has won the game";
    return { text, text };
}
inline const Message kNoWinner { "More then 1 player has won.", "We have no single winner" };
