// The resource script's tokenizer, value readers and error reports.
#pragma once

#include <string>

#include "platform/hge.h"

// Token numbers.
constexpr int TT_END = 1;
constexpr int TT_NUMBER = 2;
constexpr int TT_STRING = 3;  // a quoted string or a bare word
constexpr int TT_BOOL = 4;
constexpr int TT_EQUALS = 5;
constexpr int TT_BASED = 6;
constexpr int TT_SEPARATOR = 7;
constexpr int TT_OPENBLOCK = 8;
constexpr int TT_CLOSEBLOCK = 9;

// Commands.
constexpr int TT_RES_INCLUDE = 11;
constexpr int TT_RES_RESOURCE = 12;
constexpr int TT_RES_TEXTURE = 13;
constexpr int TT_RES_SOUND = 14;
constexpr int TT_RES_MUSIC = 15;
constexpr int TT_RES_STREAM = 16;
constexpr int TT_RES_TARGET = 17;
constexpr int TT_RES_SPRITE = 18;
constexpr int TT_RES_ANIMATION = 19;
constexpr int TT_RES_FONT = 20;
constexpr int TT_RES_PARTICLE = 21;
constexpr int TT_RES_DISTORTION = 22;

// Property keys.
constexpr int TT_PAR_FILENAME = 25;
constexpr int TT_PAR_RESGROUP = 26;
constexpr int TT_PAR_SIZE = 27;
constexpr int TT_PAR_ZBUFFER = 28;
constexpr int TT_PAR_TEXTURE = 29;
constexpr int TT_PAR_RECT = 30;
constexpr int TT_PAR_HOTSPOT = 31;
constexpr int TT_PAR_BLENDMODE = 32;
constexpr int TT_PAR_COLOR = 33;
constexpr int TT_PAR_ZORDER = 34;
constexpr int TT_PAR_FLIP = 35;
constexpr int TT_PAR_SCALE = 36;
constexpr int TT_PAR_ROTATION = 37;
constexpr int TT_PAR_FRAMES = 38;
constexpr int TT_PAR_FPS = 39;
constexpr int TT_PAR_MODE = 40;
constexpr int TT_PAR_TRACKING = 41;
constexpr int TT_PAR_SPRITE = 42;
constexpr int TT_PAR_MESH = 43;

// Constants of the blendmode and mode lists.
constexpr int TT_CON_COLORMUL = 46;
constexpr int TT_CON_COLORADD = 47;
constexpr int TT_CON_ALPHABLEND = 48;
constexpr int TT_CON_ALPHAADD = 49;
constexpr int TT_CON_ZWRITE = 50;
constexpr int TT_CON_NOZWRITE = 51;
constexpr int TT_CON_FORWARD = 52;
constexpr int TT_CON_REVERSE = 53;
constexpr int TT_CON_PINGPONG = 54;
constexpr int TT_CON_NOPINGPONG = 55;
constexpr int TT_CON_LOOP = 56;
constexpr int TT_CON_NOLOOP = 57;
constexpr int TT_CON_CIRCLE = 58;
constexpr int TT_CON_RECT = 59;
constexpr int TT_CON_ALPHA = 60;

inline bool isCommandToken(int tt) { return tt >= TT_RES_INCLUDE && tt <= TT_RES_DISTORTION; }
inline bool isPropertyToken(int tt) { return tt >= TT_PAR_FILENAME && tt <= TT_PAR_MESH; }

// Longest text of a token or a resource name.
constexpr std::size_t MAXRESCHARS = 128;

// One list constant: the bit it sets or clears.
struct FlagConstant {
    int token;
    int bit;
    bool set;
};

class RScriptParser {
public:
    // script must stay alive and zero-terminated while the parser reads it.
    RScriptParser(const std::string& name, const char* script);

    // Reads the next token and returns its number.
    int get_token();
    // The next get_token returns the current token again.
    void putBack() { putBack_ = true; }

    int tokenType() const { return type_; }
    const std::string& tokenText() const { return text_; }
    int line() const { return line_; }
    const std::string& name() const { return name_; }

    int tokenInt() const;
    float tokenFloat() const;
    bool tokenBool() const { return !text_.empty() && text_[0] == 't'; }
    // Hexadecimal without prefix; a character that is no hex digit counts as F.
    DWORD tkn_hex() const;

    // Logs "<script>, line <n>: <before>'<token>'<after>".
    void postError(const char* before, const char* after) const;
    // The same with another text (a resource name) in place of the token.
    void postError(const char* before, const std::string& subject, const char* after) const;

    // Reads the value token of a `key = value` item (skipping one "=" or ","). False,
    // with the token put back, when the block or the script goes on instead.
    bool nextValue();
    int readInt();
    float readFloat();
    bool readBool();
    DWORD readHex();
    std::string readName();
    // A comma-separated list of constants applied to value left to right.
    int readFlags(int value, const FlagConstant* table, int count);

private:
    void readWhile(bool (*accept)(char));

    std::string name_;
    const char* pos_;
    int line_ = 1;
    int type_ = 0;
    std::string text_;
    bool putBack_ = false;
};
