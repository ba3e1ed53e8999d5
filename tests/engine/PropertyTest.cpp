// Many seeded games with random clicks on every board size. After every click
// the board must agree with the rule of the game, worked out independently.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "EngineRig.h"

namespace {

using enginetest::Event;
using enginetest::Events;
using enginetest::Rig;

constexpr int kCap = board::kCapacity;
using Grid = std::array<std::array<int, kCap>, kCap>;

struct Snapshot {
    Grid tile;
    Grid hidden;
};

Snapshot Take(const CPuzzle& p) {
    Snapshot s;
    for (int c = 0; c < kCap; ++c) {
        for (int r = 0; r < kCap; ++r) {
            s.tile[c][r] = p.GetTile(c, r);
            s.hidden[c][r] = p.GetHidden(c, r);
        }
    }
    return s;
}

// Line counts of every tile from per-line sums: row + column + diagonal +
// anti-diagonal, less the three extra counts of the tile itself.
Grid LineCounts(const Snapshot& s, int n) {
    int row[kCap] = {}, column[kCap] = {}, diagonal[2 * kCap] = {}, anti[2 * kCap] = {};
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            const int h = s.hidden[c][r];
            row[r] += h;
            column[c] += h;
            diagonal[c - r + kCap] += h;
            anti[c + r] += h;
        }
    }
    Grid count{};
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            count[c][r] = row[r] + column[c] + diagonal[c - r + kCap] + anti[c + r] - 3 * s.hidden[c][r];
        }
    }
    return count;
}

// Width in pixels of every strip a tile may be drawn from; 0 for others.
int StripWidth(int bitmap) {
    switch (bitmap) {
        case 131:
        case 146:  // six covered looks
        case 155:
        case 156:
        case 157:
        case 158:  // numbers 15 to 20
            return 240;
        case 130:
        case 132:
        case 147:
        case 148:  // numbers 0 to 14
            return 600;
        default: return 0;
    }
}

struct Game {
    int n;
    int cell;
    Rig rig;
    Snapshot now;  // the board as the last check saw it
    int collected = 0;
    int accepted = 0;
    int count = 0;
};

// Reports the first broken rule of a click; returns false to end the game,
// so that one fault does not flood the log. The checks are plain loops, as
// thousands of games run through them.
class Checker {
public:
    explicit Checker(std::string where) : m_where(std::move(where)) {}
    bool Check(bool ok, const char* rule, int c = -1, int r = -1) {
        if (!ok && m_ok) {
            ADD_FAILURE() << m_where << ": " << rule
                          << (c >= 0 ? " at (" + std::to_string(c) + ", " + std::to_string(r) + ")" : "");
            m_ok = false;
        }
        return ok;
    }
    bool ok() const { return m_ok; }

private:
    std::string m_where;
    bool m_ok = true;
};

bool ClickAndCheck(Game& g, int x, int y) {
    const int n = g.n;
    const Snapshot& before = g.now;
    const int column = x / g.cell;
    const int row = y / g.cell;
    const bool onBoard = column < n && row < n;
    const int code = onBoard ? before.tile[column][row] : -1;
    const bool takes = onBoard && (code < 10 || (code < 30 && before.hidden[column][row] > 0));
    const bool collects = takes && before.hidden[column][row] > 0;

    const Events events = g.rig.ClickPixel(x, y);
    const Snapshot after = Take(g.rig.puzzle);
    Checker check("click (" + std::to_string(x) + ", " + std::to_string(y) + ")");

    if (takes) ++g.accepted;
    if (collects) ++g.collected;
    check.Check(g.rig.puzzle.GetScore() == n * n - g.accepted, "score is N x N less the accepted clicks");
    check.Check(g.rig.puzzle.GetRemaining() == g.count - g.collected, "remaining is the count less the collected");

    if (!takes) {
        check.Check(events.empty(), "an ignored click draws and plays nothing");
        check.Check(after.tile == before.tile && after.hidden == before.hidden, "an ignored click changes nothing");
        return check.ok();
    }

    // Hidden counts: only the clicked tile loses one, and only when it had some.
    int sum = 0;
    for (int c = 0; c < kCap; ++c) {
        for (int r = 0; r < kCap; ++r) {
            const int expected = before.hidden[c][r] - (collects && c == column && r == row ? 1 : 0);
            check.Check(after.hidden[c][r] == expected, "hidden count", c, r);
            if (c >= n || r >= n) {
                check.Check(after.tile[c][r] == -1 && after.hidden[c][r] == 0, "outside the board", c, r);
            }
            sum += after.hidden[c][r];
        }
    }
    check.Check(g.rig.puzzle.GetRemaining() == sum, "remaining is the sum of the hidden counts");

    // Every uncovered tile shows its line count; covered ones stay as they were.
    const Grid lines = LineCounts(after, n);
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            const int t = after.tile[c][r];
            if (c == column && r == row) {
                check.Check(t == (collects ? 10 : 30) + lines[c][r], "the clicked tile's code", c, r);
            } else if (tile::IsCovered(t)) {
                check.Check(t == before.tile[c][r], "a covered tile keeps its look", c, r);
            } else {
                check.Check(tile::Number(t) == lines[c][r], "an uncovered tile shows its line count", c, r);
            }
        }
    }
    check.Check(g.rig.puzzle.CountLines(column, row) == lines[column][row], "CountLines", column, row);

    // What reached the outputs: the changed tiles once each, the clicked tile
    // last right after the one sound, every copy inside its strip.
    Grid drawn{};
    int sounds = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event& e = events[i];
        if (e.kind == Event::Kind::Sound) {
            ++sounds;
            check.Check(e.sound == (collects ? "MOVE" : "SELECT"), "MOVE when collecting, else SELECT");
            check.Check(i + 2 == events.size(), "the sound comes just before the last draw");
            continue;
        }
        const int width = StripWidth(e.bitmap);
        check.Check(width > 0, "a copy from a tile strip");
        check.Check(e.src.x >= 0 && e.src.y == 0 && e.src.w == 40 && e.src.h == 40 && e.src.x % 40 == 0 &&
                        e.src.x + e.src.w <= width,
                    "a copy reads one whole frame inside its strip");
        const int c = e.dst.x / g.cell;
        const int r = e.dst.y / g.cell;
        if (check.Check(e.dst.x % g.cell == 0 && e.dst.y % g.cell == 0 && e.dst.w == g.cell && e.dst.h == g.cell &&
                            c < n && r < n,
                        "a copy fills one cell of the board")) {
            ++drawn[c][r];
        }
    }
    check.Check(sounds == 1, "one sound per accepted click");
    check.Check(!events.empty() && events.back().dst.x == column * g.cell && events.back().dst.y == row * g.cell,
                "the clicked tile is drawn last");
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            const int expected = after.tile[c][r] != before.tile[c][r] ? 1 : 0;
            check.Check(drawn[c][r] == expected, "every changed tile is drawn once, no other", c, r);
        }
    }
    g.now = after;
    return check.ok();
}

void PlayRandomGames(int n, int games, std::uint32_t seed) {
    std::mt19937 rng(seed);
    for (int i = 0; i < games; ++i) {
        Game g{n, board::FindSize(n)->cellSize, {}, {}};
        g.rig.ticks.value = static_cast<std::uint32_t>(rng());
        g.count = static_cast<int>(rng() % static_cast<unsigned>(n + 1));  // 0 .. n
        g.rig.puzzle.Init(g.count, n, n);
        if (rng() % 2) {
            g.rig.puzzle.SetTileSet(res::kSandTiles);
        }
        g.now = Take(g.rig.puzzle);
        SCOPED_TRACE(::testing::Message()
                     << n << "x" << n << " game " << i << " tick " << g.rig.ticks.value << " count " << g.count);
        // A quarter of the clicks land anywhere, a little beyond the board too
        // where the status strip lies; the others on some pixel of a tile that
        // still takes a click, so that games come to an end.
        const int reach = n * g.cell + g.cell;
        for (int click = 0; click < 4 * n * n && g.rig.puzzle.GetRemaining() > 0; ++click) {
            int x = static_cast<int>(rng() % static_cast<unsigned>(reach));
            int y = static_cast<int>(rng() % static_cast<unsigned>(reach));
            if (rng() % 4 != 0) {
                std::vector<std::pair<int, int>> open;
                for (int c = 0; c < n; ++c) {
                    for (int r = 0; r < n; ++r) {
                        const int t = g.now.tile[c][r];
                        if (t < 10 || (t < 30 && g.now.hidden[c][r] > 0)) open.emplace_back(c, r);
                    }
                }
                const auto [c, r] = open[rng() % open.size()];
                x = c * g.cell + static_cast<int>(rng() % static_cast<unsigned>(g.cell));
                y = r * g.cell + static_cast<int>(rng() % static_cast<unsigned>(g.cell));
            }
            if (!ClickAndCheck(g, x, y)) return;
        }
        // CountLines itself, on every tile, at the end of the game.
        const Grid lines = LineCounts(g.now, n);
        for (int c = 0; c < n; ++c) {
            for (int r = 0; r < n; ++r) ASSERT_EQ(g.rig.puzzle.CountLines(c, r), lines[c][r]);
        }
    }
}

class RandomGames : public ::testing::TestWithParam<int> {};

TEST_P(RandomGames, KeepTheRuleAfterEveryClick) { PlayRandomGames(GetParam(), 400, 1000u + GetParam()); }

INSTANTIATE_TEST_SUITE_P(Sizes, RandomGames, ::testing::Values(8, 11, 14, 17, 20),
                         [](const auto& info) { return testnames::BoardName(info.param); });

}  // namespace
