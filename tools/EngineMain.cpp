// tessera-engine: the computer player on standard input and output, for matches, tuning
// and outside tools. One command a line; only `go` answers, and any line it cannot use
// answers "error <reason>".
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "ai/ComputerSearch.h"
#include "engine/SharedRandom.h"
#include "tools/Referee.h"

namespace {

struct Settings {
    int nSize = 8;
    int nPlayers = 2;
    int nLevel = kVeryEasy;
};

int ColourOfName(const std::string& name)
{
    static const char* const kNames[] = { "W", "B", "R", "G" };
    for (int c = 0; c < kMaxPlayers; ++c)
        if (name == kNames[c])
            return c + 1;
    return 0;
}

bool ReadInt(std::istringstream& in, long long& value)
{
    std::string word;
    if (!(in >> word))
        return false;
    std::size_t used = 0;
    try {
        value = std::stoll(word, &used);
    } catch (...) {
        return false;
    }
    std::string rest;
    return used == word.size() && !(in >> rest);
}

// The answer to `go`: Very Easy draws from the shared random source over the legal cells in
// the game's order, exactly as the game's click path does; the other levels search.
std::string Go(const CReferee& referee, const Settings& settings)
{
    const std::vector<CellPos> cells = referee.LegalCells();
    if (cells.empty())
        return "move pass";
    CellPos chosen;
    if (settings.nLevel == kVeryEasy) {
        chosen = cells[RandomIndex(CSharedRandom::Next(), static_cast<int>(cells.size()))];
    } else {
        const SearchPosition position { &referee.State().m_nGrid, settings.nSize,
            settings.nPlayers, referee.ToMove() };
        const ComputerMove move = FindComputerMove(position, settings.nLevel);
        chosen = CellPos { move.x, move.y };
    }
    return "move " + std::to_string(chosen.x) + " " + std::to_string(chosen.y);
}

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    Settings settings;
    auto referee = std::make_unique<CReferee>(settings.nSize, settings.nPlayers, kWhite);
    const auto reset = [&] {
        referee = std::make_unique<CReferee>(settings.nSize, settings.nPlayers, kWhite);
    };

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string command;
        if (!(in >> command))
            continue;
        long long value = 0;
        std::string answer;
        if (command == "quit") {
            break;
        } else if (command == "go") {
            std::string rest;
            answer = in >> rest ? "error go takes no argument" : Go(*referee, settings);
        } else if (command == "size") {
            if (!ReadInt(in, value) || (value != 8 && value != 10 && value != 20 && value != 40))
                answer = "error size must be 8, 10, 20 or 40";
            else {
                settings.nSize = static_cast<int>(value);
                reset();
            }
        } else if (command == "players") {
            if (!ReadInt(in, value) || value < 2 || value > 4)
                answer = "error players must be 2, 3 or 4";
            else {
                settings.nPlayers = static_cast<int>(value);
                reset();
            }
        } else if (command == "level") {
            if (!ReadInt(in, value) || value < kVeryEasy || value > kVeryDifficult)
                answer = "error level must be 0 to 4";
            else
                settings.nLevel = static_cast<int>(value);
        } else if (command == "seed") {
            if (!ReadInt(in, value) || value < 0 || value > 0xFFFFFFFFll)
                answer = "error seed must be 0 to 4294967295";
            else
                CSharedRandom::SetState(static_cast<std::uint32_t>(value));
        } else if (command == "board") {
            std::string cells;
            std::string colour;
            std::string rest;
            std::string reason;
            if (!(in >> cells >> colour) || (in >> rest))
                answer = "error board takes the cells and the colour to move";
            else if (!ColourOfName(colour))
                answer = "error the colour to move must be W, B, R or G";
            else if (!referee->Load(cells, ColourOfName(colour), reason))
                answer = "error " + reason;
        } else {
            answer = "error unknown command " + command;
        }
        if (!answer.empty())
            std::cout << answer << '\n' << std::flush;
    }
    return 0;
}
