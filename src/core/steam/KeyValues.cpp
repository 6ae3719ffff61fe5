#include "core/steam/KeyValues.h"

#include <algorithm>
#include <cctype>

namespace cssbinder {
namespace {

// Deeper nesting than any Steam file has is taken as a broken file rather than followed.
constexpr int kMaxDepth = 32;

enum class TokenKind { Text, Open, Close, End, Broken };

struct Token {
    TokenKind kind;
    std::string text;
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : m_text(text) {}

    Token Next() {
        for (;;) {
            SkipBlanksAndComments();
            if (m_pos == m_text.size()) {
                return {TokenKind::End, {}};
            }
            const char c = m_text[m_pos];
            if (c == '[') {
                if (!SkipCondition()) {
                    return {TokenKind::Broken, {}};
                }
                continue;
            }
            if (c == '{' || c == '}') {
                ++m_pos;
                return {c == '{' ? TokenKind::Open : TokenKind::Close, {}};
            }
            return c == '"' ? Quoted() : Bare();
        }
    }

private:
    void SkipBlanksAndComments() {
        while (m_pos < m_text.size()) {
            if (std::isspace(static_cast<unsigned char>(m_text[m_pos])) != 0) {
                ++m_pos;
            } else if (m_text.substr(m_pos, 2) == "//") {
                const std::size_t lineEnd = m_text.find('\n', m_pos);
                m_pos = lineEnd == std::string_view::npos ? m_text.size() : lineEnd;
            } else {
                return;
            }
        }
    }

    bool SkipCondition() {
        const std::size_t close = m_text.find(']', m_pos);
        if (close == std::string_view::npos) {
            return false;
        }
        m_pos = close + 1;
        return true;
    }

    Token Quoted() {
        std::string text;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            const char c = m_text[m_pos];
            if (c == '"') {
                ++m_pos;
                return {TokenKind::Text, std::move(text)};
            }
            if (c == '\\' && m_pos + 1 < m_text.size()) {
                text += Unescaped(m_text[++m_pos]);
            } else {
                text += c;
            }
        }
        return {TokenKind::Broken, {}};
    }

    static std::string Unescaped(char escaped) {
        switch (escaped) {
        case 'n':
            return "\n";
        case 't':
            return "\t";
        case '\\':
        case '"':
            return std::string(1, escaped);
        default:
            // An unknown escape is kept as written.
            return std::string{'\\', escaped};
        }
    }

    Token Bare() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])) == 0 &&
               m_text[m_pos] != '"' && m_text[m_pos] != '{' && m_text[m_pos] != '}') {
            ++m_pos;
        }
        return {TokenKind::Text, std::string(m_text.substr(start, m_pos - start))};
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Reads keys into the block until its closing brace, or until the end of the text for the top level.
bool ReadBlock(Tokenizer& tokens, KeyValues& block, int depth) {
    for (;;) {
        Token key = tokens.Next();
        if (key.kind == TokenKind::End) {
            return depth == 0;
        }
        if (key.kind == TokenKind::Close) {
            return depth > 0;
        }
        if (key.kind != TokenKind::Text) {
            return false;
        }
        KeyValues entry{std::move(key.text), {}, {}};
        Token value = tokens.Next();
        if (value.kind == TokenKind::Open) {
            if (depth + 1 > kMaxDepth || !ReadBlock(tokens, entry, depth + 1)) {
                return false;
            }
        } else if (value.kind == TokenKind::Text) {
            entry.value = std::move(value.text);
        } else {
            return false;
        }
        block.children.push_back(std::move(entry));
    }
}

bool SameKey(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

const KeyValues* KeyValues::Find(std::string_view childKey) const {
    const auto found = std::ranges::find_if(
        children, [childKey](const KeyValues& child) { return SameKey(child.key, childKey); });
    return found == children.end() ? nullptr : &*found;
}

std::optional<KeyValues> ParseKeyValues(std::string_view text) {
    // Some tools write a UTF-8 byte-order mark, which would otherwise become part of the first key.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    Tokenizer tokens(text);
    KeyValues root;
    if (!ReadBlock(tokens, root, 0)) {
        return std::nullopt;
    }
    return root;
}

} // namespace cssbinder
