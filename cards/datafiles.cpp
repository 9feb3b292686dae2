// Formats, in the order the fields appear ("label" is any one word naming the value
// behind it; "skip" is the single line break after a number line, so number lines that
// precede a text line must end in LF with no trailing blank):
//
// data.paq
//   8 vehicles:  name (<= 29 chars) / description (<= 299) /
//                label speed, label shotSpeed, label power, label rof, label armor,
//                label excel, label heart, label fuel (floats) / label red, label green,
//                label blue (ints, coin colour %) / label sizeX sizeY / label shotSizeX
//                shotSizeY / label shotQty / label powerEx / label x1 y1 (sheet origin), skip
//   10 stat descriptions (<= 249 each), one per line
//   12 decks:    name (<= 98) / description (<= 249)
//   7 opponents: name (<= 29) / description (<= 249) / label diff label rounds, skip /
//                per round: label speed, label shotSpeed, label power, label rof, label
//                armor, label excel, label heart, label fuel, label red, label green,
//                label blue, label shotQty, label powerEx, skip
//   enemy rows until the end: kind hp attack score dropPercent hitSound deathSound, skip /
//                name (whole line)
// card.paq, rows until the end: id type costRed costGreen costBlue sound useTime
//                refillTime, skip / name / rules text
// deck.paq: 12 player decks then 7 opponent decks, each a header line and 50 lines of
//                one card id (-1 = the vehicle's own level-1 weapon, player decks only)
// credits.txt: one credits line per line, at most 39
#include "cards/datafiles.h"

#include <cctype>
#include <sstream>
#include <string>

#include "cards/datareader.h"
#include "cards/fixedtables.h"
#include "platform/core/atomic_file.h"
#include "platform/core/game_paths.h"
#include "shell/world.h"

namespace {

constexpr std::size_t VEHNAMELEN = 29;
constexpr std::size_t VEHDESCLEN = 299;
constexpr std::size_t STATDESCLEN = 249;
constexpr std::size_t DECKNAMELEN = 98;
constexpr std::size_t DECKDESCLEN = 249;
constexpr std::size_t OPPNAMELEN = 29;
constexpr std::size_t OPPDESCLEN = 249;

void noteProblem(const std::string& text) {
    hge->System_Log("%s", text.c_str());
    if (dataFault.empty()) dataFault = text;
}

// The whole file, or false (noted) when it is missing or cannot be read.
bool readWholeFile(const char* name, std::string& text) {
    std::string error;
    switch (readFileWhole(name, text, &error)) {
    case FileRead::OK: return true;
    case FileRead::MISSING: noteProblem(std::string(name) + " is missing."); break;
    case FileRead::UNREADABLE: noteProblem(std::string(name) + " cannot be read (" + error + ")."); break;
    }
    return false;
}

// A file whose reading stopped early leaves every table after the fault unread.
void noteStop(const DataReader& r) {
    if (!r.ok()) noteProblem(r.failure() + ".");
}

void raise(float& maximum, float value) {
    if (value > maximum) maximum = value;
}

// A sound number indexes the effect table: a bad one stays silent rather than out of range.
int soundOrSilence(DataReader& r, int line, int sound) {
    if (sound >= -1 && sound < MAXSFX) return sound;
    r.warn(line, "sound " + std::to_string(sound) + " does not exist; it stays silent");
    return -1;
}

// One vehicle as the file gives it; stored only when it was read whole.
struct VehicleRow {
    std::string name, desc;
    float speed = 0, shotSpeed = 0, power = 0, rof = 0, armor = 0, excel = 0, heart = 0, fuel = 0;
    int red = 0, green = 0, blue = 0, sizeX = 0, sizeY = 0, shotQty = 0, powerEx = 0;
    float shotSizeX = 0, shotSizeY = 0, sheetX = 0, sheetY = 0;
};

VehicleRow readVehicle(DataReader& r) {
    VehicleRow v;
    r.line(v.name, VEHNAMELEN, "the vehicle name");
    r.line(v.desc, VEHDESCLEN, "the vehicle description");
    for (float* stat : {&v.speed, &v.shotSpeed, &v.power, &v.rof, &v.armor, &v.excel, &v.heart, &v.fuel}) {
        r.label();
        r.number(*stat);
    }
    for (int* percent : {&v.red, &v.green, &v.blue}) {
        r.label();
        r.number(*percent);
    }
    r.label();
    r.number(v.sizeX);
    r.number(v.sizeY);
    r.label();
    r.number(v.shotSizeX);
    r.number(v.shotSizeY);
    r.label();
    r.number(v.shotQty);
    r.label();
    r.number(v.powerEx);
    r.label();
    r.number(v.sheetX);
    r.number(v.sheetY);
    r.skip();
    return v;
}

void storeVehicle(int i, const VehicleRow& v) {
    vehName[i] = v.name;
    vehDesc[i] = v.desc;
    VEH_speed[i] = v.speed;
    VEH_shotSpeed[i] = v.shotSpeed;
    VEH_power[i] = v.power;
    VEH_rof[i] = v.rof;
    VEH_armor[i] = v.armor;
    VEH_excel[i] = v.excel;
    VEH_heart[i] = v.heart;
    VEH_fuel[i] = v.fuel;
    VEH_redP[i] = v.red;
    VEH_greenP[i] = v.green;
    VEH_blueP[i] = v.blue;
    VEH_vehSizeX[i] = v.sizeX;
    VEH_vehSizeY[i] = v.sizeY;
    VEH_shotSizeX[i] = v.shotSizeX;
    VEH_shotSizeY[i] = v.shotSizeY;
    VEH_shotQty[i] = v.shotQty;
    VEH_powerEx[i] = v.powerEx;
    VEH_posInBMP[i].x1 = v.sheetX;
    VEH_posInBMP[i].y1 = v.sheetY;

    raise(MX_speed, v.speed);
    raise(MX_power, v.power);
    raise(MX_shotSpeed, v.shotSpeed);
    raise(MX_rof, v.rof);
    raise(MX_armor, v.armor);
    raise(MX_excel, v.excel);
    raise(MX_heart, v.heart);
    raise(MX_fuel, v.fuel);
}

// A vehicle cut short by a malformed value is dropped whole, as card, enemy and opponent
// rows are: half its stats next to zeros would make a vehicle nobody designed.
void readVehicles(DataReader& r) {
    for (int v = 0; v < MAXVEHICLES && r.ok(); ++v) {
        const int rowLine = r.lineNumber();
        const VehicleRow row = readVehicle(r);
        if (!r.ok()) {
            r.warn(rowLine, "vehicle " + std::to_string(v) + " is incomplete and is not loaded");
        } else if (row.rof <= 0) {
            // A gun that needs no time between shots would fire every frame for ever.
            noteProblem("data.paq line " + std::to_string(rowLine) + ": vehicle " + std::to_string(v) +
                        " has a rate of fire of " + std::to_string(row.rof) + " and is not loaded.");
        } else {
            storeVehicle(v, row);
        }
    }
}

void readOpponents(DataReader& r) {
    for (int o = 0; o < MAXOPPONENTS && r.ok(); ++o) {
        r.line(oppName[o], OPPNAMELEN, "the opponent name");
        r.line(oppDesc[o], OPPDESCLEN, "the opponent description");
        const int countLine = r.lineNumber();
        r.label();
        r.number(oppDiff[o]);
        r.label();
        int rounds = oppRounds[o];
        r.number(rounds);
        r.skip();
        if (!r.ok()) return;
        if (rounds < 0 || rounds > MAXROUNDS) {
            r.warn(countLine, "opponent " + std::to_string(o) + " has " + std::to_string(rounds) + " rounds; only 0.." +
                   std::to_string(MAXROUNDS) + " are kept");
        }
        oppRounds[o] = rounds < 0 ? 0 : (rounds > MAXROUNDS ? MAXROUNDS : rounds);
        // A match is won after the opponent's last round: with none it would never end.
        if (oppRounds[o] == 0)
            noteProblem("data.paq line " + std::to_string(countLine) + ": opponent " + std::to_string(o) +
                        " has no rounds.");

        for (int round = 0; round < rounds && r.ok(); ++round) {
            // Rows past the table's capacity are read so the file stays in step, then dropped.
            float speed = 0, shotSpeed = 0, rof = 0;
            int power = 0, armor = 0, excel = 0, heart = 0, fuel = 0, red = 0, green = 0, blue = 0, qty = 0, ex = 0;
            r.label();
            r.number(speed);
            r.label();
            r.number(shotSpeed);
            r.label();
            r.number(power);
            r.label();
            r.number(rof);
            for (int* value : {&armor, &excel, &heart, &fuel, &red, &green, &blue, &qty, &ex}) {
                r.label();
                r.number(*value);
            }
            r.skip();
            if (!r.ok() || round >= MAXROUNDS) continue;
            OPP_speed[o][round] = speed;
            OPP_shotSpeed[o][round] = shotSpeed;
            OPP_power[o][round] = power;
            OPP_rof[o][round] = rof;
            OPP_armor[o][round] = armor;
            OPP_excel[o][round] = excel;
            OPP_heart[o][round] = heart;
            OPP_fuel[o][round] = fuel;
            OPP_redP[o][round] = red;
            OPP_greenP[o][round] = green;
            OPP_blueP[o][round] = blue;
            OPP_shotQty[o][round] = qty;
            OPP_powerEx[o][round] = ex;
        }
    }
}

void readEnemies(DataReader& r) {
    while (!r.atEnd()) {
        const int rowLine = r.lineNumber();
        int kind = -1, hp = 0, att = 0, score = 0, hitSound = 0, deathSound = 0;
        float drop = 0;
        r.number(kind);
        for (int* value : {&hp, &att, &score}) r.number(*value);
        r.number(drop);
        r.number(hitSound);
        r.number(deathSound);
        r.skip();
        std::string name;
        r.line(name, 0, "the enemy name");
        if (!r.ok()) return;
        // The drop-chance table is the smallest of the enemy tables, so it sets the limit.
        if (kind < 0 || kind >= MAXITEMPERCENTROWS) {
            r.warn(rowLine, "enemy kind " + std::to_string(kind) + " is outside 0.." + std::to_string(MAXITEMPERCENTROWS - 1) +
                   " and is skipped");
            continue;
        }
        enemyHpDB[kind] = hp;
        enemyAttDB[kind] = att;
        enemyScoreDB[kind] = score;
        itemPercentDB[kind] = drop;
        enemySoundIDDB[kind] = soundOrSilence(r, rowLine, hitSound);
        enemyDeathSoundIDDB[kind] = soundOrSilence(r, rowLine, deathSound);
        enemyNameDB[kind] = name;
    }
}

void readDataFile() {
    std::string text;
    if (!readWholeFile(dataPath("data.paq").c_str(), text)) return;
    DataReader r("data.paq", std::move(text));
    readVehicles(r);
    for (int i = 0; i < MAXSTATDESC; ++i) r.line(statDesc[i], STATDESCLEN, "the stat description");
    for (int d = 0; d < MAXDECKS; ++d) {
        r.line(deckName[d], DECKNAMELEN, "the deck name");
        r.line(deckDesc[d], DECKDESCLEN, "the deck description");
    }
    readOpponents(r);
    readEnemies(r);
    noteStop(r);
}

void readCardFile() {
    std::string text;
    if (!readWholeFile(dataPath("card.paq").c_str(), text)) return;
    DataReader r("card.paq", std::move(text));
    while (!r.atEnd()) {
        const int rowLine = r.lineNumber();
        int id = -1;
        Card card;
        r.number(id);
        r.number(card.type);
        for (int& cost : card.cost) r.number(cost);
        r.number(card.sound);
        r.number(card.useTime);
        r.number(card.refillTime);
        r.skip();
        r.line(card.name, 0, "the card name");
        r.line(card.text, 0, "the card text");
        if (!r.ok()) return;
        if (id < 0 || id >= MAXCARDS) {
            r.warn(rowLine, "card id " + std::to_string(id) + " is outside 0.." + std::to_string(MAXCARDS - 1) +
                   " and is skipped");
            continue;
        }
        card.sound = soundOrSilence(r, rowLine, card.sound);
        crd[id] = card;
    }
    noteStop(r);
}

void readDeckFile() {
    std::string text;
    if (!readWholeFile(dataPath("deck.paq").c_str(), text)) return;
    std::istringstream file(text);
    if (!loadDeckInfo(file)) noteProblem("deck.paq: some starting decks are incomplete (kvb.log names the lines).");
}

void readCredits() {
    creditLines = 0;
    std::string text;
    if (readFileWhole(dataPath("credits.txt"), text) != FileRead::OK) {
        hge->System_Log("Could not load credits file.");
        hge->System_MessageBox("Could not load credits file.", "Error", MB_ICONSTOP | MB_SYSTEMMODAL);
        return;
    }
    std::istringstream file(text);
    std::string line;
    while (std::getline(file, line)) {
        if (creditLines == MAXCREDITLINES) {
            hge->System_Log("credits.txt: only the first %d lines are shown.", MAXCREDITLINES);
            return;
        }
        credits[creditLines++] = line;
    }
}

// atoi: leading blanks, an optional sign, the digits up to the first other character.
int leadingNumber(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    int sign = 1;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) sign = line[i++] == '-' ? -1 : 1;
    long value = 0;
    // Capped well above any card id, so a run of digits cannot overflow.
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        if (value < 100000) value = value * 10 + (line[i] - '0');
    return static_cast<int>(sign * value);
}

}  // namespace

bool loadDeckInfo(std::istream& in) {
    int lineNo = 0;
    bool whole = true;
    std::string line;
    for (int row = 0; row < MAXDECKROWS; ++row) {
        const bool opponentRow = row >= MAXDECKS;
        for (int i = -1; i < STARTINGCARDSINDECK; ++i) {
            if (!std::getline(in, line)) {
                hge->System_Log("deck.paq line %d: the file ends early; the remaining deck places stay as they were.",
                                lineNo + 1);
                return false;
            }
            ++lineNo;
            if (i < 0) continue;  // the deck's header line
            int id = leadingNumber(line);
            // An id the card table cannot hold, or -1 where no vehicle stands behind it,
            // would index outside the card table during play: keep an empty place instead.
            const bool valid = id >= 1 ? id <= LASTCARD : (id == -1 && !opponentRow);
            if (!valid) {
                hge->System_Log("deck.paq line %d: card id %d is not valid here and is left empty.", lineNo, id);
                id = 0;
                whole = false;
            }
            deckDB[row][i] = id;
        }
    }
    return whole;
}

namespace {

// Every vehicle and opponent is there, and every card a starting deck or a vehicle's gun
// names is in the catalogue.
void checkTables() {
    for (int v = 0; v < MAXVEHICLES; ++v)
        if (vehName[v].empty() || VEH_rof[v] <= 0) noteProblem("data.paq: vehicle " + std::to_string(v) + " is missing.");
    for (int o = 0; o < MAXOPPONENTS; ++o)
        if (oppName[o].empty() || oppRounds[o] == 0)
            noteProblem("data.paq: opponent " + std::to_string(o) + " is missing.");
    for (int row = 0; row < MAXDECKROWS; ++row)
        for (int i = 0; i < STARTINGCARDSINDECK; ++i) {
            const int id = deckDB[row][i];
            if (id >= 1 && id <= LASTCARD && crd[id].name.empty())
                noteProblem("card.paq: card " + std::to_string(id) + ", in starting deck " + std::to_string(row) +
                            ", is missing.");
        }
}

void reportProblem() {
    static std::string shown;
    if (dataFault.empty() || dataFault == shown) return;
    shown = dataFault;
    const std::string text = "The game data is damaged: " + dataFault + "\nNo battle can start until it is mended.";
    hge->System_MessageBox(text.c_str(), "Error", MB_ICONSTOP | MB_SYSTEMMODAL);
}

}  // namespace

void loadData() {
    dataFault.clear();
    setFixedTables();
    readDataFile();
    readCardFile();
    readDeckFile();
    readCredits();
    if (dataFault.empty()) checkTables();
    reportProblem();
}
