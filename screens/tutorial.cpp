#include "screens/tutorial.h"

#include <cstring>

#include "screens/drawing.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

// A hint shows while start < clock <= end. In the texts, {name} stands for the name of
// the key the player has set for that action.
struct Hint {
    int opp, round;
    int start, end;
    const char* text;
};

constexpr Hint HINTS[] = {
    {0, 0, 35, 105,
     "Welcome to Korvania 2: Battle.  Move around using the arrow keys or {up}{left}{down}{right}.  "
     "Press/hold down {fire} to fire."},
    {0, 0, 115, 140, "You may also use the mouse to move and left-click to fire."},
    {0, 0, 150, 220,
     "Collect coins by killing enemies.  When you have enough coins, you may use any of the 3 cards you have "
     "currently."},
    {0, 0, 230, 270, "To use cards, press the {use1}, {use2}, and {use3} keys, respectively."},
    {0, 0, 280, 330,
     "You must have enough coins in order to use a card.  The cost of using a card is displayed under the name of "
     "the card."},
    {0, 0, 340, 380, "You may also use the mouse wheel to select a card, then right-click to use the selected card."},
    {0, 0, 390, 450,
     "Your goal is to defeat your opponent by making his heart go to 0.  If your heart goes to 0, it's game over!"},
    {0, 0, 460, 540,
     "There is currently a Zombie-Zapper wall on his side which will kill zombies instantly.  However, it will "
     "disappear once enough zombies are zapped by it."},
    {0, 0, 550, 600, "If you need to review the controls, the F1 key will display the help screen."},
    {0, 1, 35, 105,
     "Congratulations, you've made it to round 2.  Each opponent has a set number of rounds per match.  In this "
     "case, it's 2 rounds, so this is the last round of the match."},
    {0, 1, 115, 140, "Keep in mind that your opponents will start with pre-built walls each round."},
    {0, 1, 150, 220, "For a speed boost, hold down the {boost} key.  This will consume fuel."},
    {0, 1, 230, 300,
     "The blue bar below your heart shows your fuel.  Be careful: if you run out of fuel, your heart will slowly "
     "go down."},
    {0, 1, 310, 400,
     "Watch out for the stupefying beam this opponent might use.  If you get hit by it, your movement controls will "
     "be reversed!"},
    {1, 0, 35, 90, "Become familiar with the difference between weapon and hazard cards."},
    {1, 0, 100, 170, "Weapon cards:  These are attacks against regular enemies, on your side of the screen."},
    {1, 0, 180, 250, "Hazard cards:  These are attacks against your opponent, on the other side of the screen."},
    {1, 0, 260, 370,
     "Remember that trees block all incoming shots (hazards included).  So you might not want to use them when "
     "there are many trees on the opponent's side."},
    {1, 0, 380, 490,
     "Trees will disappear when enough damage has been done to them.  Unlike regular walls, only incoming shots "
     "will damage them, not enemies themselves."},
    {1, 1, 35, 100, "Discarding cards:  If you have no use for a particular card, you may discard it."},
    {1, 1, 110, 210,
     "Select a card using the mouse wheel or the {change} key, then press the {discard} key to discard the "
     "selected card."},
    {1, 1, 220, 320,
     "If you discard a card, the wait time for the next card will be 3 times longer than simply using the card "
     "normally."},
    {1, 2, 35, 100, "Opponent's cards:  Normally, you cannot see your opponent's hand of cards."},
    {1, 2, 110, 200, "However, you will always see the card that is about to be used."},
    {1, 2, 210, 300, "Using this knowledge will allow you to avoid incoming hazards (among other things) effectively."},
    {1, 2, 310, 410,
     "The longer a card takes to be used, the easier it is to prepare for, since you can see the card while it is "
     "about to be used."},
    {2, 0, 35, 100, "Status effects:  Each player may have 1 positive and 1 negative status effect at a time."},
    {2, 0, 110, 180, "If you have any status effect(s), they are displayed on your health meter."},
    {2, 0, 190, 280,
     "If you already have a status effect, getting afflicted with a different one overwrites the one you currently "
     "have."},
    {2, 0, 290, 350, "Getting afflicted with the same status effect consecutively increases its degree."},
    {2, 0, 360, 440,
     "For instance, getting hit by poison when you are already poisoned will increase its degree by 1, producing a "
     "stronger poison."},
    {2, 0, 450, 510, "This is true for positive status effects also, not just negative ones."},
    {2, 0, 520, 600,
     "You can check the current degree of your status effect by the number of icons to the left of the status "
     "effect's name."},
    {3, 0, 35, 120,
     "Performing combos:  As you have noticed, killing many enemies in quick succession results in a combo."},
    {3, 0, 130, 230,
     "Not only are combos worth extra points, they also spawn enemies on your opponent's side at the end of the "
     "combo."},
    {3, 0, 240, 320, "The quantity and type of enemies spawned depend on the size of the combo."},
    {4, 0, 35, 140, "From now on, your opponent will sometimes expend fuel to activate one of its special weapon cards."},
    {5, 0, 35, 130,
     "Overall score:  Whenever your total score reaches certain values, you gain permanent bonuses to shot size and "
     "quantity."},
    {5, 0, 140, 210, "Any bonuses will be applied at the beginning of rounds, not during a round."},
    {5, 0, 220, 300, "Your total score is displayed in the upper-right corner of the opponent selection screen."},
    {5, 0, 310, 400, "Shot size is increased permanently at 50000, 500000, and 5 million total points accumulated."},
    {5, 0, 410, 500,
     "Shot quantity is increased permanently at 100000, 1 million, and 10 million total points accumulated."},
    {6, 0, 35, 80, "What the heck?  A SHOPPING CART?!?!?"},
    {7, 0, 35, 110, "Welcome to EX mission.  Kill the ghostly enemy to advance to the next round."},
    {7, 1, 35, 100, "Each round will be of a different enemy type."},
    {7, 2, 35, 100, "There are NO continues allowed."},
    {7, 3, 35, 120, "When all enemy types have been done, the cycle starts over with their stats increased."},
    {7, 4, 35, 120, "Certain cards (those that affect your opponent) will be replaced with others while in EX mission."},
    {7, 5, 35, 120, "Hazard cards are now used against enemies since you have no opponent here."},
    {7, 6, 35, 130, "Performing combos will automatically give you coins when the combo ends."},
};

struct KeyWord {
    const char* word;
    int option;
};
constexpr KeyWord KEYWORDS[] = {
    {"{up}", OPT_KEYUP},         {"{left}", OPT_KEYLEFT},     {"{down}", OPT_KEYDOWN},     {"{right}", OPT_KEYRIGHT},
    {"{fire}", OPT_KEYFIRE},     {"{boost}", OPT_KEYBOOST},   {"{use1}", OPT_KEYUSE1},     {"{use2}", OPT_KEYUSE2},
    {"{use3}", OPT_KEYUSE3},     {"{change}", OPT_KEYCHANGE}, {"{discard}", OPT_KEYDISCARD},
};

// Appends the name of the key a {word} at `at` stands for and returns its length, or 0.
std::size_t appendKeyName(const char* at, std::string& out) {
    for (const KeyWord& k : KEYWORDS) {
        const std::size_t n = std::strlen(k.word);
        if (std::strncmp(at, k.word, n) != 0) continue;
        const char* name = hge->Input_GetKeyName(pl[0].opt[k.option]);
        out += name ? name : "?";
        return n;
    }
    return 0;
}

void expand(const char* text, std::string& out) {
    out.clear();
    for (const char* p = text; *p;) {
        const std::size_t used = *p == '{' ? appendKeyName(p, out) : 0;
        if (used) {
            p += used;
        } else {
            out += *p;
            ++p;
        }
    }
}

constexpr DWORD BOXCOLOR = 0xC8FFFFFF;
constexpr DWORD TEXTCOLOR = 0xFF000000;
constexpr float MARGIN = 10;
constexpr int HINTBOX = 51;  // pos[51], set with the battle's HUD boxes

}  // namespace

hgeRect tutorialTextBox() {
    const hgeRect& r = pos[HINTBOX];
    return hgeRect(r.x1 + MARGIN, r.y1 + MARGIN, r.x2 - MARGIN, r.y2 - MARGIN);
}

bool tutorialHint(int opp, int round, float clock, std::string& text) {
    for (const Hint& h : HINTS) {
        if (h.opp != opp || h.round != round || !(clock > h.start && clock <= h.end)) continue;
        expand(h.text, text);
        return true;
    }
    return false;
}

void drawTutorial() {
    // Kept between frames, so a hint costs no allocation once the buffer has grown.
    static std::string text;
    if (!tutorialHint(selectedOpp, curRound, progress, text)) return;
    const hgeRect& r = pos[HINTBOX];
    if (hgeSprite* box = uiSprite("tutorialBox")) {
        box->SetColor(BOXCOLOR);
        box->RenderStretch(r.x1, r.y1, r.x2, r.y2);
    }
    setFontStyle(fontSmall2, 1, TEXTCOLOR);
    drawTextInRect(tutorialTextBox(), text.c_str(), fontSmall2);
    setFontStyle(fontSmall2, 1, 0xFFFFFFFF);
}
