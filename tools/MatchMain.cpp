// tessera-match: tournaments between the computer's levels and reference players, judged
// move by move by the game's own rules.
//
//   tessera-match [--games G] [--size N] [--players n] [--seed S] [--jobs J] PLAYER...
//
// One PLAYER per seat (n of them, default 2): L0 to L4 for the levels (L0 draws from a
// random source of its own, in the game's order; L1p to L4p search paranoid for three or
// four colours instead of best-reply), random, greedy (most discs turned),
// positional (one ply on a table of cell values), paranoidD and brsD (searches of depth D).
// Consecutive games share a random opening of 2 to 4 plies and turn the seats round, so
// every player plays every colour from every opening. Prints each player's win share (a
// shared top shares the point) with a 95 % interval, and its time per move.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ai/ComputerSearch.h"
#include "ai/GroupSearch.h"
#include "engine/SharedRandom.h"
#include "tools/Referee.h"

namespace {

// A small generator of the same kind as the game's, one per game, so that games in
// parallel replay alike.
struct GameRandom {
    std::uint32_t state;
    int Next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

int SquareValue(int x, int y, int n)
{
    const bool edgeX = x == 0 || x == n - 1;
    const bool edgeY = y == 0 || y == n - 1;
    const bool nextX = x == 1 || x == n - 2;
    const bool nextY = y == 1 || y == n - 2;
    if (edgeX && edgeY)
        return 100;
    if (nextX && nextY)
        return -50;
    if ((edgeX && nextY) || (edgeY && nextX))
        return -20;
    return edgeX || edgeY ? 10 : 1;
}

// The evaluation of the reference searches (paranoidD, brsD), kept as it was when the levels
// were first measured against them, so that they stay a fixed yardstick: each colour's
// mobility, exposed discs, corners, the cells diagonal to empty corners, edges and discs,
// against the best of the others.
int ReferenceEvaluate(const CSearchBoard& board, int colour)
{
    if (board.Discs(colour) == 0)
        return CGroupSearch::Evaluate(board, colour); // a loss, as the levels see it
    CGroupSearch::BoardCensus census;
    CGroupSearch::Count(board, census);
    const int n = board.Size();
    const int discWeight = 1 + 8 * (n * n - board.Empties()) / (n * n);
    int standing[kMaxPlayers + 1];
    int best = -(1 << 30);
    for (int c = 1; c <= board.Players(); ++c) {
        standing[c] = 8 * census.mobility[c] - 2 * census.exposed[c] + 60 * census.corners[c]
            - 25 * census.xCells[c] + 2 * census.edges[c] + discWeight * board.Discs(c);
        if (c != colour && board.Discs(c) > 0)
            best = std::max(best, standing[c]);
    }
    return best == -(1 << 30) ? standing[colour] : standing[colour] - best;
}

CellPos ReferenceMove(const std::string& name, const CReferee& referee, GameRandom& random)
{
    const std::vector<CellPos> legal = referee.LegalCells();
    const int n = referee.Size();
    const int colour = referee.ToMove();
    if (name == "random" || name == "L0")
        return legal[RandomIndex(random.Next(), static_cast<int>(legal.size()))];
    CSearchBoard board(referee.State().m_nGrid, n, referee.Players());
    if (name == "greedy" || name == "positional") {
        CellPos best = legal[0];
        int bestValue = -1 << 30;
        for (const CellPos& c : legal) {
            const int turned = board.Play(board.Index(c.x, c.y), colour);
            int value = turned;
            if (name == "positional") {
                value = 0;
                for (int y = 0; y < n; ++y)
                    for (int x = 0; x < n; ++x) {
                        const int v = board.At(board.Index(x, y));
                        if (v != kEmpty)
                            value += v == colour ? SquareValue(x, y, n) : -SquareValue(x, y, n);
                    }
            }
            board.Undo();
            if (value > bestValue) {
                bestValue = value;
                best = c;
            }
        }
        return best;
    }
    const bool paranoid = name.rfind("paranoid", 0) == 0;
    const int depth = std::atoi(name.c_str() + (paranoid ? 8 : 3));
    CGroupSearch search;
    search.SetEvaluation(&ReferenceEvaluate);
    const SearchResult r = search.Run(board, colour,
        paranoid ? GroupMode::Paranoid : GroupMode::BestReply,
        SearchLimits { 1'000'000'000, std::max(depth, 1), 0 }, nullptr);
    return CellPos { board.X(r.nCell), board.Y(r.nCell) };
}

bool KnownPlayer(const std::string& name)
{
    if (name == "random" || name == "greedy" || name == "positional")
        return true;
    if (name.size() >= 2 && name[0] == 'L' && name[1] >= '0' && name[1] <= '4')
        return name.size() == 2 || (name.size() == 3 && name[1] != '0' && name[2] == 'p');
    for (const char* prefix : { "paranoid", "brs" }) {
        const std::string p = prefix;
        if (name.rfind(p, 0) == 0 && name.size() == p.size() + 1 && name.back() >= '1'
            && name.back() <= '9')
            return true;
    }
    return false;
}

struct GameRecord {
    std::vector<double> points; // per seat
    std::vector<std::vector<double>> msPerMove; // per seat
    std::string error;
};

struct Options {
    int nGames = 100;
    int nSize = 8;
    int nPlayers = 2;
    std::uint32_t nSeed = 1;
    int nJobs = 2;
    std::vector<std::string> seats;
};

// Seat s of game g plays colour (s + g) % n + 1; the opening is shared by each run of n games.
GameRecord PlayGame(const Options& o, int game)
{
    const int n = o.nPlayers;
    GameRecord record;
    record.points.assign(n, 0);
    record.msPerMove.assign(n, {});
    GameRandom opening { o.nSeed * 7919u + static_cast<std::uint32_t>(game / n) * 104729u };
    GameRandom level0 { o.nSeed + static_cast<std::uint32_t>(game) * 31u };
    CReferee referee(o.nSize, n, kWhite);
    const int plies = 2 + opening.Next() % 3;
    for (int i = 0; i < plies && !referee.Over(); ++i) {
        const std::vector<CellPos> legal = referee.LegalCells();
        const CellPos c = legal[RandomIndex(opening.Next(), static_cast<int>(legal.size()))];
        referee.Play(c.x, c.y);
    }
    const auto seatOf = [&](int colour) { return ((colour - 1 - game) % n + n) % n; };
    while (!referee.Over()) {
        const int seat = seatOf(referee.ToMove());
        const std::string& name = o.seats[seat];
        const auto start = std::chrono::steady_clock::now();
        CellPos c;
        if (name[0] == 'L' && name[1] != '0') {
            // "p" after a level: the same level with paranoid search for three or four colours.
            const ComputerMove m = FindComputerMove(
                SearchPosition { &referee.State().m_nGrid, o.nSize, n, referee.ToMove() },
                name[1] - '0', nullptr, name.size() == 3 ? GroupMode::Paranoid : kGroupMode);
            c = CellPos { m.x, m.y };
        } else {
            c = ReferenceMove(name, referee, level0);
        }
        const std::chrono::duration<double, std::milli> spent
            = std::chrono::steady_clock::now() - start;
        record.msPerMove[seat].push_back(spent.count());
        if (!referee.Play(c.x, c.y)) {
            // A move the rules refuse loses the game for its player.
            record.error = name + " played the illegal cell " + std::to_string(c.x) + ","
                + std::to_string(c.y) + " in game " + std::to_string(game);
            record.points.assign(n, 1.0 / (n - 1));
            record.points[seat] = 0;
            return record;
        }
    }
    int counts[kMaxPlayers];
    referee.State().CountDiscs(counts);
    const int top = *std::max_element(counts, counts + n);
    const int atTop = static_cast<int>(std::count(counts, counts + n, top));
    for (int colour = 1; colour <= n; ++colour)
        if (counts[colour - 1] == top)
            record.points[seatOf(colour)] = 1.0 / atTop;
    return record;
}

double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * (v.size() - 1) + 0.5)];
}

int Usage()
{
    std::fprintf(stderr,
        "usage: tessera-match [--games G] [--size 8|10|20|40] [--players 2|3|4] [--seed S]"
        " [--jobs J] PLAYER...\n  PLAYER: L0..L4, random, greedy, positional, paranoidD,"
        " brsD (D = depth 1-9); one per seat\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto number = [&](auto& field) {
            if (i + 1 >= argc)
                return false;
            field = static_cast<std::remove_reference_t<decltype(field)>>(std::atoll(argv[++i]));
            return true;
        };
        bool ok = true;
        if (arg == "--games")
            ok = number(o.nGames);
        else if (arg == "--size")
            ok = number(o.nSize);
        else if (arg == "--players")
            ok = number(o.nPlayers);
        else if (arg == "--seed")
            ok = number(o.nSeed);
        else if (arg == "--jobs")
            ok = number(o.nJobs);
        else if (KnownPlayer(arg))
            o.seats.push_back(arg);
        else
            ok = false;
        if (!ok)
            return Usage();
    }
    const bool sizeOk = std::find(std::begin(kBoardSizes), std::end(kBoardSizes), o.nSize)
        != std::end(kBoardSizes);
    if (!sizeOk || o.nPlayers < 2 || o.nPlayers > kMaxPlayers || o.nGames < 1 || o.nJobs < 1)
        return Usage();
    if (o.seats.empty())
        o.seats = { "L4", "L3" };
    if (static_cast<int>(o.seats.size()) != o.nPlayers)
        return Usage();

    std::vector<GameRecord> records(o.nGames);
    std::atomic<int> nextGame { 0 };
    std::vector<std::thread> workers;
    for (int j = 0; j < o.nJobs; ++j)
        workers.emplace_back([&] {
            for (int g; (g = nextGame++) < o.nGames;)
                records[g] = PlayGame(o, g);
        });
    for (std::thread& t : workers)
        t.join();

    // Seats that hold the same player are one player.
    std::map<std::string, double> points;
    std::map<std::string, std::vector<double>> times;
    std::map<std::string, int> seatsHeld;
    int errors = 0;
    for (const GameRecord& r : records) {
        if (!r.error.empty()) {
            std::fprintf(stderr, "error: %s\n", r.error.c_str());
            ++errors;
        }
        for (int s = 0; s < o.nPlayers; ++s) {
            points[o.seats[s]] += r.points[s];
            auto& t = times[o.seats[s]];
            t.insert(t.end(), r.msPerMove[s].begin(), r.msPerMove[s].end());
        }
    }
    for (const std::string& s : o.seats)
        ++seatsHeld[s];

    std::printf("%d games, %dx%d, %d players, seed %u; seats:", o.nGames, o.nSize, o.nSize,
        o.nPlayers, o.nSeed);
    for (const std::string& s : o.seats)
        std::printf(" %s", s.c_str());
    std::printf("\n%-12s %5s %8s %7s %17s %9s %9s %9s\n", "player", "seats", "points", "share",
        "95% interval", "even", "ms median", "ms worst");
    for (const auto& [name, p] : points) {
        const double games = o.nGames;
        const double share = p / games;
        // Wilson's interval for a share of n games.
        const double z = 1.96;
        const double centre = (share + z * z / (2 * games)) / (1 + z * z / games);
        const double half
            = z * std::sqrt(share * (1 - share) / games + z * z / (4 * games * games))
            / (1 + z * z / games);
        const std::vector<double>& t = times[name];
        std::printf("%-12s %5d %8.1f %6.1f%% %7.1f%%-%5.1f%% %8.1f%% %9.2f %9.2f\n", name.c_str(),
            seatsHeld[name], p, 100 * share, 100 * std::max(0.0, centre - half),
            100 * std::min(1.0, centre + half), 100.0 * seatsHeld[name] / o.nPlayers,
            Percentile(t, 0.5), t.empty() ? 0 : *std::max_element(t.begin(), t.end()));
    }
    return errors ? 1 : 0;
}
