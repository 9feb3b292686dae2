// Resource script: blocks of `Type name { key = value ... }`, ";" comments to the end of
// the line, quoted strings, bare words and comma-separated number lists.
#include "assets/res_script.h"

#include <cctype>
#include <cstdlib>

namespace {

struct Token {
    enum Kind { END, WORD, STRING, NUMBER, PUNCT } kind = END;
    std::string text;
    std::size_t begin = 0;
    int line = 1;
};

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) {}

    Token next() {
        if (hasPending_) {
            hasPending_ = false;
            return pending_;
        }
        skipBlanks();
        Token t;
        t.line = line_;
        t.begin = pos_;
        if (pos_ >= text_.size()) return t;
        const char c = text_[pos_];
        if (c == '"') {
            std::size_t end = pos_ + 1;
            while (end < text_.size() && text_[end] != '"' && text_[end] != '\n') ++end;
            t.kind = Token::STRING;
            t.text = text_.substr(pos_ + 1, end - pos_ - 1);
            pos_ = end < text_.size() && text_[end] == '"' ? end + 1 : end;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.') {
            std::size_t end = pos_;
            while (end < text_.size() &&
                   (std::isdigit(static_cast<unsigned char>(text_[end])) || text_[end] == '.' || text_[end] == '-'))
                ++end;
            t.kind = Token::NUMBER;
            t.text = text_.substr(pos_, end - pos_);
            pos_ = end;
        } else if (c == '=' || c == ',' || c == '{' || c == '}' || c == ':') {
            t.kind = Token::PUNCT;
            t.text = std::string(1, c);
            ++pos_;
        } else {
            std::size_t end = pos_;
            while (end < text_.size() && !std::isspace(static_cast<unsigned char>(text_[end])) &&
                   std::string_view("=,{}:;").find(text_[end]) == std::string_view::npos)
                ++end;
            t.kind = Token::WORD;
            t.text = text_.substr(pos_, end - pos_);
            pos_ = end;
        }
        return t;
    }

    void putBack(const Token& t) {
        pending_ = t;
        hasPending_ = true;
    }

    std::size_t lineEndFrom(std::size_t p) const {
        while (p < text_.size() && text_[p] != '\n' && text_[p] != ';') ++p;
        while (p > 0 && (text_[p - 1] == ' ' || text_[p - 1] == '\t' || text_[p - 1] == '\r')) --p;
        return p;
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ';') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else {
                break;
            }
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    Token pending_;
    bool hasPending_ = false;
};

bool fail(std::string& error, int line, const std::string& what) {
    error = "line " + std::to_string(line) + ": " + what;
    return false;
}

// Reads the `count` comma-separated numbers of `key`.
bool readNumbers(Lexer& lex, const Token& key, double* out, int count, std::string& error) {
    for (int i = 0; i < count; ++i) {
        const Token comma = i > 0 ? lex.next() : Token{};
        const Token n = lex.next();
        if ((i > 0 && comma.text != ",") || n.kind != Token::NUMBER)
            return fail(error, key.line, key.text + " needs " + std::to_string(count) + " numbers");
        out[i] = std::atof(n.text.c_str());
    }
    return true;
}

}  // namespace

const ResEntry* ResScript::find(const std::string& type, const std::string& name) const {
    for (const ResEntry& e : entries)
        if (e.type == type && e.name == name) return &e;
    return nullptr;
}

bool parseResScript(const std::string& text, ResScript& out, std::string& error) {
    static const std::vector<std::string> TYPES = {"Texture", "Sound",     "Music", "Stream",
                                                   "Sprite",  "Animation", "Font",  "Particle"};
    Lexer lex(text);
    out.entries.clear();
    for (Token t = lex.next(); t.kind != Token::END; t = lex.next()) {
        bool known = false;
        for (const std::string& type : TYPES) known = known || t.text == type;
        if (t.kind != Token::WORD || !known) return fail(error, t.line, "unknown command '" + t.text + "'");
        ResEntry e;
        e.type = t.text;
        e.line = t.line;
        e.blockBegin = t.begin;
        const Token name = lex.next();
        if (name.kind != Token::STRING && name.kind != Token::WORD) return fail(error, name.line, "name expected");
        e.name = name.text;
        if (lex.next().text != "{") return fail(error, name.line, "'{' expected after " + e.name);
        Token key = lex.next();
        for (; key.text != "}"; key = lex.next()) {
            if (key.kind == Token::END) return fail(error, key.line, "'}' missing for " + e.name);
            if (lex.next().text != "=") return fail(error, key.line, "'=' expected after " + key.text);
            double v[4] = {0, 0, 0, 0};
            if (key.text == "filename" || key.text == "texture" || key.text == "sprite") {
                const Token value = lex.next();
                if (value.kind != Token::STRING && value.kind != Token::WORD)
                    return fail(error, value.line, key.text + " needs a name");
                (key.text == "filename" ? e.filename : key.text == "texture" ? e.texture : e.sprite) = value.text;
                if (key.text == "texture") {
                    e.textureBegin = value.begin;
                    e.textureEnd = value.begin + value.text.size() + (value.kind == Token::STRING ? 2 : 0);
                }
            } else if (key.text == "rect") {
                const std::size_t lineEnd = lex.lineEndFrom(key.begin);
                if (!readNumbers(lex, key, v, 4, error)) return false;
                for (int i = 0; i < 4; ++i) e.rect[i] = static_cast<int>(v[i]);
                e.rectBegin = text.find('=', key.begin) + 1;
                e.rectEnd = lineEnd;
            } else if (key.text == "hotspot") {
                if (!readNumbers(lex, key, v, 2, error)) return false;
                e.hotspot[0] = static_cast<int>(v[0]);
                e.hotspot[1] = static_cast<int>(v[1]);
            } else if (key.text == "frames" || key.text == "fps" || key.text == "resgroup") {
                if (!readNumbers(lex, key, v, 1, error)) return false;
                if (key.text == "frames") e.frames = static_cast<int>(v[0]);
                if (key.text == "fps") e.fps = v[0];
                if (key.text == "resgroup") e.resgroup = static_cast<int>(v[0]);
            } else if (key.text == "mode" || key.text == "blendmode") {
                // A list of constants; the token after it is the next key or "}".
                for (;;) {
                    const Token item = lex.next();
                    if (item.kind != Token::WORD) return fail(error, item.line, key.text + " needs constants");
                    if (key.text == "mode" && (item.text == "LOOP" || item.text == "NOLOOP"))
                        e.loop = item.text == "LOOP";
                    const Token sep = lex.next();
                    if (sep.text != ",") {
                        lex.putBack(sep);
                        break;
                    }
                }
            } else if (key.text == "color" || key.text == "zorder" || key.text == "scale" || key.text == "tracking" ||
                       key.text == "rotation" || key.text == "flip") {
                const Token value = lex.next();
                if (value.kind == Token::END) return fail(error, value.line, "value expected");
                if (key.text == "flip") {
                    lex.next();
                    lex.next();
                }
            } else {
                return fail(error, key.line, "unsupported key '" + key.text + "'");
            }
        }
        e.blockEnd = text.find('\n', key.begin);
        e.blockEnd = e.blockEnd == std::string::npos ? text.size() : e.blockEnd + 1;
        out.entries.push_back(e);
    }
    return true;
}
