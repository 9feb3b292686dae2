// A two-player match: who drives what, how long the match lasts and the score so far.
// The right field belongs to a second person while `on` is set; the campaign never
// reads or writes anything else here.
#pragma once

constexpr int VERSUSRANDOMPLACE = -1;  // a place picked at random as the match starts
constexpr int VERSUSMINWINS = 1, VERSUSMAXWINS = 3, VERSUSDEFAULTWINS = 2;

struct VersusMatch {
    bool on = false;
    int vehicle[2] = {};
    int deck[2] = {};
    int roundsToWin = VERSUSDEFAULTWINS;
    int place = VERSUSRANDOMPLACE;  // 0..6 or VERSUSRANDOMPLACE, as chosen on the set-up screen
    int wins[2] = {};
    int roundWinner = -1;  // the side that won the round just ended, -1 for a draw
    int padCount = 0;       // controllers attached as the battle last looked
    bool padNotice = false;  // the pause was opened by a controller plugged in or out
};

// The vehicle pl[side] drives: the human's choice on the left, in a two-player match the
// second person's on the right, and -1 for the opponent program.
int vehicleOf(int side);
