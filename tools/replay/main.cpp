// glimbles-replay: plays a script of engine commands and prints, for every
// command, one line of JSON with what it drew and played and the state after.
//
// Input, one command per line (blank lines and lines starting with '#' are
// skipped; TICK is an unsigned 32-bit tick count, other numbers are signed
// 32-bit):
//   init COUNT COLUMNS ROWS TICK   a fresh engine, Init(COUNT, COLUMNS, ROWS)
//   newgame COUNT TICK             NewGame(COUNT)
//   size COLUMNS ROWS TICK         SetSize(COLUMNS, ROWS)
//   click X Y                      Click at pixel (X, Y)
//   board                          DrawBoard
//   tiles grass | tiles sand       the three tile strips of that set
//   sound on | sound off           SetSoundOff(0) / SetSoundOff(1)
//   dump                           print the whole state
// Output, one line per command:
//   {"op":"click","events":[...],"score":S,"remaining":R}
//   {"op":"dump","count":..,"columns":..,"rows":..,"cell":..,"score":..,
//    "remaining":..,"tile":[[..]..],"hidden":[[..]..]}   (25 x 25, [column][row])
//   {"op":"error","line":N,"message":"..."}   for a line that cannot be run;
//     every command but init reports "no game; use init first" before the
//     first init. The script goes on after an error.
// The exit status is 0 at the end of the input.
#include <cstdio>
#include <iostream>

#include "tools/replay/Replay.h"

int main() {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    replay::Run(std::cin, std::cout);
    std::cout.flush();
    return 0;
}
