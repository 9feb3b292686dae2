// The options screen (mode 13) and its key-change dialog (mode 17). Every change is
// written to "Options.ini" and applied the moment it is made. The key boxes show player
// 1's keys or, after the switch at the panel's top, player 2's for a two-player match;
// a key that both players have is framed.
#include "screens/options_screen.h"

#include <algorithm>

#include "platform/core/input_state.h"
#include "screens/card_drawing.h"
#include "screens/drawing.h"
#include "screens/menu.h"
#include "screens/text_places.h"
#include "shell/exits.h"
#include "shell/modes.h"
#include "shell/options.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgesprite.h"

namespace {

constexpr int KEYPANEL = 150, VOLUMEPANEL = 151, COMBOPANEL = 152, MISCPANEL = 153;
constexpr int KEYBUTTONS = 154;  // 154..163: options 0..9
constexpr int MUSICSLIDER = 164, SFXSLIDER = 165;
constexpr int COMBOBOX = 166, FULLSCREENBOX = 167, SCOREBOX = 168;
constexpr int DEFAULTBUTTON = 169, OKBUTTON = 170, DISCARDBUTTON = 171, KEYDIALOG = 172, FLASHBOX = 173;
// The display and focus boxes stand apart from the rest, leaving room for more keys.
constexpr int SYNCBOX = 190, PIXELBOX = 191, FOCUSBOX = 192;
constexpr int PLAYERSWITCH = 193;  // player 1's or player 2's keys in the boxes
constexpr int LASTPLACE = PLAYERSWITCH;
constexpr int CHANGESOUND = 1, DEFAULTSOUND = 38, OPTIONSCHANNEL = 5;
constexpr DWORD WHITE = 0xFFFFFFFF, CAPTION = 0xFFF4E0BA, DIMMED = 0xFF8C8C8C, BOTHPLAYERS = 0xFFFFD219;
constexpr DWORD SWITCHON = 0xFF33589E, SWITCHOFF = 0xFF1C2438;
constexpr float MINKEYNAMESCALE = 0.7f;
constexpr float KEYBOXWIDTH = 76;
constexpr int SLIDERSTEP = 5;

struct KeyButton {
    int place;   // pos[] index
    int option;  // OPT_*
    const char* label;
    const char* arrow;  // the arrow key that always works as well, or null
};
const KeyButton KEYBUTTONLIST[] = {
    {KEYBUTTONS + 0, OPT_KEYUP, "move up:", "up"},
    {KEYBUTTONS + 1, OPT_KEYLEFT, "move left:", "left"},
    {KEYBUTTONS + 2, OPT_KEYDOWN, "move down:", "down"},
    {KEYBUTTONS + 3, OPT_KEYRIGHT, "move right:", "right"},
    {KEYBUTTONS + 4, OPT_KEYFIRE, "fire:", nullptr},
    {KEYBUTTONS + 5, OPT_KEYBOOST, "boost:", nullptr},
    {KEYBUTTONS + 6, OPT_KEYUSE1, "use card 1:", nullptr},
    {KEYBUTTONS + 7, OPT_KEYUSE2, "use card 2:", nullptr},
    {KEYBUTTONS + 8, OPT_KEYUSE3, "use card 3:", nullptr},
    {KEYBUTTONS + 9, OPT_KEYCHANGE, "change selected card:", nullptr},
    {DISCARDBUTTON, OPT_KEYDISCARD, "discard\nselected card:", nullptr},
};

struct CheckBox {
    int place, option;
};
const CheckBox CHECKBOXES[] = {{COMBOBOX, OPT_COMBO},      {FULLSCREENBOX, OPT_FULLSCREEN}, {SCOREBOX, OPT_SCORE},
                               {FLASHBOX, OPT_REDUCEFLASH}, {SYNCBOX, OPT_SYNCDISPLAY},      {PIXELBOX, OPT_PIXELEXACT},
                               {FOCUSBOX, OPT_FOCUSPAUSE}};

// The misc panel's boxes with a one-line label beside them.
struct LabelledBox {
    int place;
    const char* text;
};
const LabelledBox LABELLEDBOXES[] = {{FULLSCREENBOX, "Fullscreen"},
                                     {FLASHBOX, OPTFLASHTEXT},
                                     {SYNCBOX, OPTSYNCTEXT},
                                     {PIXELBOX, OPTPIXELTEXT},
                                     {FOCUSBOX, OPTFOCUSTEXT}};

struct Slider {
    int place, option;
};
const Slider SLIDERS[] = {{MUSICSLIDER, OPT_VOLBGM}, {SFXSLIDER, OPT_VOLSFX}};

// Every control in the order the keyboard's focus walks them: the key columns top to
// bottom and left to right, the volumes, the combo box, the misc boxes row by row, Default
// and OK, and last the player switch, which stands just before the keys as the focus comes
// round.
MenuFocus focus{KEYBUTTONS + 0, KEYBUTTONS + 1, KEYBUTTONS + 2, KEYBUTTONS + 3, KEYBUTTONS + 4, KEYBUTTONS + 5,
                DISCARDBUTTON,  KEYBUTTONS + 6, KEYBUTTONS + 7, KEYBUTTONS + 8, KEYBUTTONS + 9, MUSICSLIDER,
                SFXSLIDER,      COMBOBOX,       SYNCBOX,        PIXELBOX,       FULLSCREENBOX,  FLASHBOX,
                SCOREBOX,       FOCUSBOX,       DEFAULTBUTTON,  OKBUTTON,       PLAYERSWITCH};

hgeSprite* background = nullptr;
hgeSprite* redBox = nullptr;
hgeSprite* sliderBar = nullptr;
hgeSprite* slider = nullptr;
hgeSprite* boxEmpty = nullptr;
hgeSprite* boxChecked = nullptr;
hgeSprite* defaultButton = nullptr;
hgeSprite* okButton = nullptr;

// The action that shares the key just bound, shown until the next change; null for none.
const char* sharedWith = nullptr;
const char* sharedBy = "";  // "" or the other player's name, when the action is his
int sharedKey = 0;
int keySet = 0;  // the player whose keys the boxes show

const OptionEntry& entryOf(int option) {
    const OptionEntry* e = findOptionEntry(0, option);
    return e ? *e : optionEntries[0];
}

void writeOption(int option) {
    const OptionEntry& e = entryOf(option);
    hge->Ini_SetInt(e.section, e.key, pl[0].opt[option]);
}

// Whether the other player has `key` for any of his actions.
bool boundByOther(int key) {
    const int other = 1 - keySet;
    for (const OptionEntry& e : playerTwoKeyEntries)
        if (pl[other].opt[e.index] == key) return true;
    return false;
}

void applyWindowMode() { hge->System_SetState(HGE_WINDOWED, pl[0].opt[OPT_FULLSCREEN] == 0); }

void applyVolumes() {
    hge->Channel_SetVolume(chan[0], pl[0].opt[OPT_VOLBGM]);
    hge->System_SetState(HGE_FXVOLUME, pl[0].opt[OPT_VOLSFX]);
}

void leave() {
    if (static_cast<int>(pl[0].misc[M_OPTIONS]) == CF_INGAME) gameMode = MODE_PAUSE;
    else back2title();
}

// Where the display cannot be waited for, its box stays unticked and takes no clicks.
bool offered(int option) { return option != OPT_SYNCDISPLAY || hge->System_CanSyncToDisplay(); }

void toggle(const CheckBox& box) {
    if (!offered(box.option)) return;
    int& value = pl[0].opt[box.option];
    value = (value + 1) % 2;
    writeOption(box.option);
    if (box.option == OPT_FULLSCREEN) applyWindowMode();
    if (box.option == OPT_SYNCDISPLAY || box.option == OPT_PIXELEXACT) applyDisplayOptions();
}

void restoreDefaults() {
    for (const OptionEntry& e : optionEntries) hge->Ini_SetInt(e.section, e.key, optionDefault(e));
    for (const OptionEntry& e : playerTwoKeyEntries) hge->Ini_SetInt(e.section, e.key, e.defaultValue);
    readOptions();
    applyWindowMode();
    applyDisplayOptions();
    applyVolumes();
    sharedWith = nullptr;
    playSFX(DEFAULTSOUND, OPTIONSCHANNEL);
}

const Slider* sliderAt(int place) {
    for (const Slider& sl : SLIDERS)
        if (sl.place == place) return &sl;
    return nullptr;
}

// What Enter, Space or a click does on the control at pos[place]; a slider only moves.
void act(int place) {
    for (const KeyButton& b : KEYBUTTONLIST)
        if (b.place == place) return initKeyChange(b.option);
    for (const CheckBox& box : CHECKBOXES)
        if (box.place == place) return toggle(box);
    if (place == PLAYERSWITCH) {
        keySet = 1 - keySet;
        sharedWith = nullptr;
    } else if (place == DEFAULTBUTTON) restoreDefaults();
    else if (place == OKBUTTON) leave();
}

void setVolume(int option, int value) {
    value = std::clamp(value, 0, 100);
    if (value == pl[0].opt[option]) return;
    pl[0].opt[option] = value;
    writeOption(option);
    applyVolumes();
}

void handleKey(int key) {
    const Slider* slider = sliderAt(focus.place());
    if (isBackKey(key)) leave();
    else if (key == vk::LBUTTON) {
        const int over = focus.underPointer();
        if (over == PLAYERSWITCH) {
            // Each half of the switch shows its own player.
            focus.moveTo(over);
            keySet = mousePos.x < (pos[over].x1 + pos[over].x2) / 2 ? 0 : 1;
            sharedWith = nullptr;
        } else if (over >= 0) {
            focus.moveTo(over);
            act(over);
        }
    } else if (isConfirmKey(key)) act(focus.place());
    else if (slider && (isLeftKey(key) || isRightKey(key)))
        setVolume(slider->option, pl[0].opt[slider->option] + (isLeftKey(key) ? -SLIDERSTEP : SLIDERSTEP));
    else if (isUpKey(key) || isLeftKey(key)) focus.step(-1);
    else if (isDownKey(key) || isRightKey(key)) focus.step(1);
}

// The volume under the pointer while the left button is held on a slider, 0 at its left
// end and 100 at its right.
void dragSlider(const Slider& slider) {
    const hgeRect& r = pos[slider.place];
    setVolume(slider.option, static_cast<int>((mousePos.x - r.x1) / (r.x2 - r.x1) * 101));
}

void drawKeyButton(const KeyButton& b) {
    const hgeRect& r = pos[b.place];
    const int key = pl[keySet].opt[b.option];
    if (boundByOther(key)) drawRect(hgeRect(r.x1 - 2, r.y1 - 2, r.x2 + 2, r.y2 + 2), BOTHPLAYERS);
    stretchSprite(redBox, r);
    const char* name = hge->Input_GetKeyName(key);
    // Long key names shrink towards their box, but not below a readable size.
    const float scale = std::max(MINKEYNAMESCALE, shrinkToFit(fontArial, name, r.x2 - r.x1 - 2));
    DrawTextA(fontArial, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2, name, 1, scale, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
    const bool twoLines = b.option == OPT_KEYDISCARD;
    if (fontSmall2)
        fontSmall2->Render(r.x1 - 12, twoLines ? r.y1 : r.y1 + 9, b.label, HGETEXT_RIGHT);
    if (b.arrow && keySet == 0) DrawTextA(fontSmall2, r.x2 + 8, r.y1 + 9, label("or %s", b.arrow), 0, 1, WHITE);
}

// A panel with its caption standing on its top edge, clear of what the panel holds.
void drawPanel(int place, const char* caption) {
    textPanel(pos[place]);
    DrawTextA(fontArial, pos[place].x1 + 12, pos[place].y1 - 19, caption, 0, 1, CAPTION);
}

void drawSlider(int place, int option, const char* name, float numberY) {
    const hgeRect& r = pos[place];
    DrawTextA(fontSmall2, r.x1 - 64, r.y1 + 9, name, 0, 1, WHITE);
    stretchSprite(sliderBar, r);
    const float knob = r.x1 + (r.x2 - r.x1) * pl[0].opt[option] / 100;
    stretchSprite(slider, hgeRect(knob - 8, r.y1, knob + 4, r.y1 + 32));
    DrawTextA(font1, 336, numberY, label("%d", pl[0].opt[option]), 1, 1, WHITE);
}

void drawPlayerSwitch() {
    const hgeRect& r = pos[PLAYERSWITCH];
    const float middle = (r.x1 + r.x2) / 2;
    const char* names[2] = {"Player 1", "Player 2"};
    for (int player = 0; player < 2; ++player) {
        const hgeRect half = player == 0 ? hgeRect(r.x1, r.y1, middle, r.y2) : hgeRect(middle, r.y1, r.x2, r.y2);
        drawRectB(half, 0xFF000000, player == keySet ? SWITCHON : SWITCHOFF, 1);
        DrawTextA(fontSmall2, (half.x1 + half.x2) / 2, (half.y1 + half.y2) / 2, names[player], 1, 1,
                  player == keySet ? WHITE : 0xFFA0A0A0);
    }
    if (mOver[PLAYERSWITCH]) drawPulse(r);
}

// Under the keys: the action that shares the key just bound, else what a frame means.
void drawKeyNote() {
    if (sharedWith) {
        DrawTextA(fontSmall2, 400, 276,
                  label("%s is also used by: %s%s", hge->Input_GetKeyName(sharedKey), sharedBy, sharedWith), 1, 1,
                  BOTHPLAYERS);
        return;
    }
    for (const KeyButton& b : KEYBUTTONLIST)
        if (boundByOther(pl[keySet].opt[b.option])) {
            DrawTextA(fontSmall2, 400, 276, "A framed key is one both players have.", 1, 1, BOTHPLAYERS);
            return;
        }
    if (keySet == 1)
        DrawTextA(fontSmall2, 400, 276, "Player 2's keys, used in Versus; a controller keeps its own buttons.", 1,
                  1, WHITE);
}

void drawCheckBox(int place, int option) {
    const bool ticked = pl[0].opt[option] && offered(option);
    stretchSprite(ticked ? boxChecked : boxEmpty, pos[place], offered(option) ? WHITE : DIMMED);
}

}  // namespace

void setKeyOptions() {
    for (const OptionEntry& e : optionEntries)
        if (e.isKey || e.index == OPT_TUTORIAL) hge->Ini_SetInt(e.section, e.key, pl[0].opt[e.index]);
    for (const OptionEntry& e : playerTwoKeyEntries) hge->Ini_SetInt(e.section, e.key, pl[1].opt[e.index]);
}

void initOptionsScreen() {
    enterMenu();
    gameMode = MODE_OPTIONS;
    pos[KEYPANEL] = hgeRect(8, 64, 776, 296);
    pos[VOLUMEPANEL] = hgeRect(40, 328, 368, 416);
    pos[COMBOPANEL] = hgeRect(40, 448, 368, 536);
    pos[MISCPANEL] = OPTMISCPANEL;
    // Three columns of key boxes wide enough for the longest key name.
    const auto keyBox = [](float x, float y) { return hgeRect(x, y, x + KEYBOXWIDTH, y + 32); };
    for (int i = 0; i < 4; ++i) {
        pos[KEYBUTTONS + i] = keyBox(232, 104 + 40 * i);
        pos[KEYBUTTONS + 6 + i] = keyBox(688, 104 + 40 * i);
    }
    pos[KEYBUTTONS + 4] = keyBox(480, 104);
    pos[KEYBUTTONS + 5] = keyBox(480, 144);
    pos[DISCARDBUTTON] = keyBox(480, 184);
    pos[MUSICSLIDER] = hgeRect(112, 336, 304, 368);
    pos[SFXSLIDER] = hgeRect(112, 376, 304, 408);
    pos[COMBOBOX] = hgeRect(56, 456, 88, 488);
    pos[FULLSCREENBOX] = hgeRect(432, 384, 464, 416);
    pos[SCOREBOX] = OPTSCOREBOX;
    pos[FLASHBOX] = OPTFLASHBOX;
    pos[SYNCBOX] = OPTSYNCBOX;
    pos[PIXELBOX] = OPTPIXELBOX;
    pos[FOCUSBOX] = OPTFOCUSBOX;
    pos[DEFAULTBUTTON] = hgeRect(324, 560, 468, 584);
    pos[OKBUTTON] = hgeRect(704, 512, 768, 576);
    pos[KEYDIALOG] = hgeRect(200, 56, 592, 272);
    pos[PLAYERSWITCH] = hgeRect(20, 70, 204, 94);
    background = menuSprite("selectBG");
    redBox = menuSprite("redBox");
    sliderBar = menuSprite("sliderBar");
    slider = menuSprite("slider");
    boxEmpty = menuSprite("checkBoxEmpty");
    boxChecked = menuSprite("checkBoxChecked");
    defaultButton = menuSprite("defaultBtn");
    okButton = menuSprite("okButton");
    sharedWith = nullptr;
    keySet = 0;
    focus.reset();
}

void updateOptionsScreen(float) {
    hoverTest(KEYPANEL, LASTPLACE);
    focus.followPointer(pointerMoved());
    handleKey(menuKey());
    if (gameMode != MODE_OPTIONS || !hge->Input_GetKeyState(vk::LBUTTON)) return;
    for (const Slider& slider : SLIDERS)
        if (mOver[slider.place]) dragSlider(slider);
}

void drawOptionsScreen() {
    putSprite(background, 0, 0);
    DrawTextA(font1, 400, 30, "Options", 1, 1.25f, WHITE);
    setFontStyle(font1, 1, WHITE);
    drawPanel(KEYPANEL, "key config");
    drawPanel(VOLUMEPANEL, "volume");
    drawPanel(COMBOPANEL, "combo display");
    drawPanel(MISCPANEL, "misc");

    DrawTextA(fontSmall2, 490, 82, "Click a key, or pick it with the arrows and press Enter, to change it.", 1, 1, WHITE);
    drawPlayerSwitch();
    for (const KeyButton& b : KEYBUTTONLIST) drawKeyButton(b);
    drawKeyNote();

    drawSlider(MUSICSLIDER, OPT_VOLBGM, "Music:", 352);
    drawSlider(SFXSLIDER, OPT_VOLSFX, "Sound FX:", 392);

    for (const CheckBox& box : CHECKBOXES) drawCheckBox(box.place, box.option);
    const hgeRect& combo = pos[COMBOBOX];
    DrawTextA(fontSmall2, combo.x2 + 8, combo.y1 - 2, "display combo count over last enemy defeated", 0, 1, WHITE);
    DrawTextA(fontSmall2, combo.x2 + 8, combo.y1 + 14,
              "If unchecked, combo count will always be\n displayed at the top of screen instead.", 0, 1, 0xFFAFAFAF);
    for (const LabelledBox& box : LABELLEDBOXES) {
        const bool dim = box.place == SYNCBOX && !offered(OPT_SYNCDISPLAY);
        DrawTextA(fontSmall2, pos[box.place].x2 + 8, pos[box.place].y1 + 9, box.text, 0, 1, dim ? DIMMED : WHITE);
    }
    setFontStyle(fontSmall2, 1, WHITE);
    drawTextInRect(OPTSCORELABEL, OPTSCORETEXT, fontSmall2);

    putSprite(defaultButton, pos[DEFAULTBUTTON].x1, pos[DEFAULTBUTTON].y1);
    if (mOver[DEFAULTBUTTON]) drawPulse(pos[DEFAULTBUTTON]);
    drawButton(okButton, OKBUTTON);
    focus.draw();
    setFontStyle(fontArial, 1, WHITE);
    setFontStyle(fontSmall2, 1, WHITE);
}

void initKeyChange(int option) {
    gameMode = MODE_CONFIRMKEY;
    pl[0].misc[M_KEY2CHANGE] = static_cast<float>(option);
}

void updateConfirmKey(float) {
    const int key = menuKey();
    if (isBackKey(key)) {
        gameMode = MODE_OPTIONS;
        return;
    }
    // Mouse buttons would leave the action without a key; F12 always takes a screenshot.
    if (key == 0 || key == vk::LBUTTON || key == vk::RBUTTON || key == vk::MBUTTON || key == vk::F12) return;
    const int option = static_cast<int>(pl[0].misc[M_KEY2CHANGE]);
    const OptionEntry* entry = findOptionEntry(keySet, option);
    if (!entry || !entry->isKey) {
        gameMode = MODE_OPTIONS;
        return;
    }
    pl[keySet].opt[option] = key;
    // Two actions may share a key, even two players'; the player is told which other has it.
    sharedWith = nullptr;
    sharedBy = "";
    sharedKey = key;
    for (const OptionEntry& e : playerTwoKeyEntries)
        if (e.index != option && pl[keySet].opt[e.index] == key) sharedWith = e.key;
    if (!sharedWith)
        for (const OptionEntry& e : playerTwoKeyEntries)
            if (pl[1 - keySet].opt[e.index] == key) {
                sharedWith = e.key;
                sharedBy = keySet == 0 ? "Player 2's " : "Player 1's ";
            }
    setKeyOptions();
    playSFX(CHANGESOUND, OPTIONSCHANNEL);
    gameMode = MODE_OPTIONS;
}

void drawConfirmKey() {
    drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), 0x64000000);
    drawRect(hgeRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), 0x644B4B4B);
    const hgeRect& d = pos[KEYDIALOG];
    drawRectB(d, 0xFFC2303A, 0xFF3C3C50, 4);
    DrawTextA(font1, d.x1 + 24, d.y1 + 40, "Press the desired\nkey you wish to assign\nto this function.", 0, 1, WHITE);
    const int option = static_cast<int>(pl[0].misc[M_KEY2CHANGE]);
    if (const OptionEntry* e = findOptionEntry(keySet, option))
        DrawTextA(fontArial, (d.x1 + d.x2) / 2, d.y1 + 160, keySet == 1 ? label("Player 2: %s", e->key) : e->key, 1, 1,
                  cycleColor(3));
    DrawTextA(fontSmall2, (d.x1 + d.x2) / 2, d.y2 + 14, "(press Esc to cancel)", 1, 1, WHITE);
}
