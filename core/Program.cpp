#include "core/Program.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <vector>

#include "core/ReplayHost.h"
#include "core/SolutionCheck.h"
#include "core/TextCodec.h"
#include "core/VisibleText.h"

namespace trimerka {

namespace {

enum class Comparison : std::uint8_t { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };

// A term of a comparison: a vessel's amount, or a number when `vessel` is negative.
struct ConditionTerm {
    int vessel = -1;
    std::int64_t number = 0;
};

enum class ConditionOp : std::uint8_t { Compare, Not, And, Or };

// One step of a condition in postfix order: a comparison pushes its truth, the others combine the top ones.
struct ConditionStep {
    ConditionOp op = ConditionOp::Compare;
    Comparison comparison = Comparison::Equal;
    ConditionTerm left;
    ConditionTerm right;
};

ConditionStep combining(ConditionOp op) {
    ConditionStep step;
    step.op = op;
    return step;
}

} // namespace

struct ProgramNode {
    enum class Kind : std::uint8_t { Block, Command, Repeat, While, If };
    Kind kind = Kind::Block;
    int line = 0;
    PourCommand command;
    std::int64_t count = 0;
    std::vector<ConditionStep> condition;
    // The loop's body, or the branch taken when the condition holds.
    std::vector<ProgramNode> body;
    // The branch after "иначе".
    std::vector<ProgramNode> otherwise;
};

namespace {

enum class TokenKind : std::uint8_t { Word, Number, Symbol, Other, End, EndOfText };

enum class Keyword : std::uint8_t { None, Loop, LoopEnd, Times, While, If, Then, Else, IfEnd, And, Or, Not };

struct KeywordSpelling {
    std::string_view text;
    Keyword keyword;
};
// In lower case; "всё" is how a pupil who writes the letter ё spells "все".
constexpr KeywordSpelling kKeywords[] = {
    {"нц", Keyword::Loop},   {"кц", Keyword::LoopEnd}, {"раз", Keyword::Times},  {"пока", Keyword::While},
    {"если", Keyword::If},   {"то", Keyword::Then},    {"иначе", Keyword::Else}, {"все", Keyword::IfEnd},
    {"всё", Keyword::IfEnd}, {"и", Keyword::And},      {"или", Keyword::Or},     {"не", Keyword::Not},
};
constexpr std::size_t kLongestKeywordBytes = 10;

struct Token {
    TokenKind kind = TokenKind::End;
    Keyword keyword = Keyword::None;
    int line = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
};

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The bytes of the letter at `i`: an ASCII letter or a Cyrillic one (U+0400..U+047F); 0 for anything else.
std::size_t letterBytes(std::string_view line, std::size_t i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        return 1;
    }
    if ((c == 0xD0 || c == 0xD1) && i + 1 < line.size() &&
        isContinuation(static_cast<unsigned char>(line[i + 1]))) {
        return 2;
    }
    return 0;
}

// The bytes of the word (a run of letters) at `i`; 0 when no letter stands there.
std::size_t wordBytes(std::string_view line, std::size_t i) {
    std::size_t n = 0;
    while (i + n < line.size()) {
        const std::size_t letter = letterBytes(line, i + n);
        if (letter == 0) {
            break;
        }
        n += letter;
    }
    return n;
}

std::size_t characterBytes(std::string_view line, std::size_t i) {
    const auto lead = static_cast<unsigned char>(line[i]);
    std::size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (i + n > line.size()) {
        return 1;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if (!isContinuation(static_cast<unsigned char>(line[i + k]))) {
            return 1;
        }
    }
    return n;
}

// A word in lower case, for the keywords: Cyrillic А..Я and Ё, and ASCII letters.
std::string lowerCase(std::string_view word) {
    std::string lower(word);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        auto c = static_cast<unsigned char>(lower[i]);
        if (c >= 'A' && c <= 'Z') {
            lower[i] = static_cast<char>(c + ('a' - 'A'));
        } else if (c == 0xD0 && i + 1 < lower.size()) {
            const auto next = static_cast<unsigned char>(lower[i + 1]);
            if (next >= 0x90 && next <= 0x9F) { // А..П
                lower[i + 1] = static_cast<char>(next + 0x20);
            } else if (next >= 0xA0 && next <= 0xAF) { // Р..Я
                lower[i] = static_cast<char>(0xD1);
                lower[i + 1] = static_cast<char>(next - 0x20);
            } else if (next == 0x81) { // Ё
                lower[i] = static_cast<char>(0xD1);
                lower[i + 1] = static_cast<char>(0x91);
            }
            ++i;
        }
    }
    return lower;
}

Keyword keywordOf(std::string_view word) {
    if (word.size() > kLongestKeywordBytes) {
        return Keyword::None;
    }
    const std::string lower = lowerCase(word);
    for (const KeywordSpelling& spelling : kKeywords) {
        if (lower == spelling.text) {
            return spelling.keyword;
        }
    }
    return Keyword::None;
}

// The comparison signs, longest first so that "<=" is not read as "<".
struct ComparisonSpelling {
    std::string_view text;
    Comparison comparison;
};
constexpr ComparisonSpelling kComparisons[] = {
    {"<>", Comparison::NotEqual}, {"<=", Comparison::LessOrEqual}, {">=", Comparison::GreaterOrEqual},
    {"≠", Comparison::NotEqual},  {"≤", Comparison::LessOrEqual},  {"≥", Comparison::GreaterOrEqual},
    {"=", Comparison::Equal},     {"<", Comparison::Less},         {">", Comparison::Greater},
};

std::size_t symbolBytes(std::string_view rest) {
    if (rest.starts_with('(') || rest.starts_with(')')) {
        return 1;
    }
    for (const ComparisonSpelling& spelling : kComparisons) {
        if (rest.starts_with(spelling.text)) {
            return spelling.text.size();
        }
    }
    return 0;
}

// Splits one line (without its comment) into tokens and ends it with an End token. `base` is the line's
// offset in the whole text.
void lexLine(std::string_view line, std::size_t base, int lineNumber, std::vector<Token>& tokens) {
    std::size_t i = 0;
    auto push = [&](TokenKind kind, std::size_t length) {
        Token token{kind, Keyword::None, lineNumber, base + i, base + i + length};
        if (kind == TokenKind::Word) {
            token.keyword = keywordOf(line.substr(i, length));
        }
        tokens.push_back(token);
        i += length;
    };
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (line.substr(i).starts_with("\xC2\xA0")) {
            i += 2;
        } else if (c == ';') {
            push(TokenKind::End, 1);
        } else if (c >= '0' && c <= '9') {
            std::size_t n = 0;
            while (i + n < line.size() && line[i + n] >= '0' && line[i + n] <= '9') {
                ++n;
            }
            push(TokenKind::Number, n);
        } else if (const std::size_t word = wordBytes(line, i); word != 0) {
            push(TokenKind::Word, word);
        } else if (const std::size_t symbol = symbolBytes(line.substr(i)); symbol != 0) {
            push(TokenKind::Symbol, symbol);
        } else {
            push(TokenKind::Other, characterBytes(line, i));
        }
    }
    tokens.push_back(Token{TokenKind::End, Keyword::None, lineNumber, base + i, base + i});
}

// Calls `visit(line, offset, number)` for every line of the text, without its comment; CR LF, LF and CR end
// a line.
template <typename Visit> void forEachLine(std::string_view text, Visit&& visit) {
    std::size_t from = 0;
    int number = 1;
    while (from < text.size()) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(from, end - from);
        if (!visit(line, from, number)) {
            return;
        }
        from = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
    }
}

std::string_view withoutComment(std::string_view line) {
    return line.substr(0, line.find('|'));
}

std::string depthMessage() {
    return "вложенность глубже " + std::to_string(kMaxProgramDepth) +
           " уровней — так глубоко вкладывать нельзя";
}

std::string groupedNumber(std::int64_t number) {
    std::string digits = std::to_string(number);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), " ");
    }
    return digits;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    ProgramNode parse() {
        lex();
        ProgramNode root;
        // The loops and branches still open, innermost last, and whether each is past its "иначе".
        struct Open {
            ProgramNode* node;
            bool inElse;
        };
        std::vector<Open> open;
        auto statements = [&]() -> std::vector<ProgramNode>& {
            if (open.empty()) {
                return root.body;
            }
            return open.back().inElse ? open.back().node->otherwise : open.back().node->body;
        };
        while (tokens_[pos_].kind != TokenKind::EndOfText) {
            const Token token = tokens_[pos_];
            if (token.kind == TokenKind::End) {
                ++pos_;
                continue;
            }
            switch (token.keyword) {
            case Keyword::Loop:
            case Keyword::If: {
                // The depth is checked before anything of the new level is read.
                if (open.size() >= static_cast<std::size_t>(kMaxProgramDepth)) {
                    fail(token.line, depthMessage());
                }
                std::vector<ProgramNode>& list = statements();
                list.push_back(token.keyword == Keyword::Loop ? loopHead() : ifHead());
                open.push_back(Open{&list.back(), false});
                break;
            }
            case Keyword::Else:
                if (open.empty() || open.back().node->kind != ProgramNode::Kind::If) {
                    fail(token.line, open.empty() ? "«иначе» без «если»" : unclosed(*open.back().node));
                }
                if (open.back().inElse) {
                    fail(token.line,
                         "второе «иначе» для «если» из строки " + std::to_string(open.back().node->line));
                }
                open.back().inElse = true;
                ++pos_;
                break;
            case Keyword::LoopEnd:
            case Keyword::IfEnd: {
                const bool loopEnd = token.keyword == Keyword::LoopEnd;
                if (open.empty()) {
                    fail(token.line, loopEnd ? "«кц» без «нц»" : "«все» без «если»");
                }
                if ((open.back().node->kind == ProgramNode::Kind::If) == loopEnd) {
                    fail(token.line, unclosed(*open.back().node));
                }
                open.pop_back();
                ++pos_;
                break;
            }
            case Keyword::None:
                statements().push_back(command());
                break;
            default:
                fail(token.line, QuotedText(textOf(token)) + " здесь не к месту");
            }
        }
        if (!open.empty()) {
            fail(lastLine_, unclosed(*open.back().node));
        }
        return root;
    }

private:
    [[noreturn]] static void fail(int line, const std::string& message) {
        throw ProgramSyntaxError(line, message);
    }

    std::string_view textOf(const Token& token) const {
        return text_.substr(token.begin, token.end - token.begin);
    }

    static std::string unclosed(const ProgramNode& node) {
        return (node.kind == ProgramNode::Kind::If ? "нет «все» для «если» из строки "
                                                   : "нет «кц» для «нц» из строки ") +
               std::to_string(node.line);
    }

    // What stands where something else was expected, for a message.
    std::string found(const Token& token) const {
        switch (token.kind) {
        case TokenKind::End:
            return textOf(token) == ";" ? "«;»" : "конец строки";
        case TokenKind::EndOfText:
            return "конец программы";
        default:
            return QuotedText(textOf(token));
        }
    }

    void lex() {
        if (text_.size() > kMaxProgramBytes) {
            const auto lines = std::count(text_.begin(), text_.begin() + kMaxProgramBytes, '\n');
            fail(static_cast<int>(lines) + 1, "программа длиннее 1 МиБ — такую программу не выполнить");
        }
        std::string_view text = text_;
        std::size_t skipped = 0;
        if (text.starts_with("\xEF\xBB\xBF")) {
            skipped = 3;
        }
        forEachLine(text.substr(skipped), [&](std::string_view line, std::size_t offset, int number) {
            if (!codec::isValidUtf8(line)) {
                fail(number, "в строке есть байты не в кодировке UTF-8; сохраните программу как текст UTF-8");
            }
            lexLine(withoutComment(line), skipped + offset, number, tokens_);
            lastLine_ = number;
            return true;
        });
        tokens_.push_back(Token{TokenKind::EndOfText, Keyword::None, lastLine_, text_.size(), text_.size()});
    }

    // "нц N раз" or "нц пока УСЛОВИЕ", the "нц" at the current token.
    ProgramNode loopHead() {
        ProgramNode node;
        node.line = tokens_[pos_++].line;
        const Token& next = tokens_[pos_];
        if (next.kind == TokenKind::Number) {
            const std::string_view digits = textOf(next);
            std::int64_t count = 0;
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
            if (error != std::errc() || count > kMaxRepeatCount) {
                fail(next.line, "число повторений " + QuotedText(digits) + " больше " +
                                    groupedNumber(kMaxRepeatCount) + "; в «нц N раз» N — от 0 до " +
                                    groupedNumber(kMaxRepeatCount));
            }
            ++pos_;
            if (tokens_[pos_].keyword != Keyword::Times) {
                fail(next.line, "после «нц " + VisibleText(digits, 20) + "» нет «раз»");
            }
            ++pos_;
            node.kind = ProgramNode::Kind::Repeat;
            node.count = count;
        } else if (next.keyword == Keyword::While) {
            ++pos_;
            node.kind = ProgramNode::Kind::While;
            node.condition = condition();
        } else {
            fail(node.line, "после «нц» ожидается число повторений и «раз» (нц 3 раз) или «пока» и условие "
                            "(нц пока Б < 4), а здесь " +
                                found(next));
        }
        return node;
    }

    // "если УСЛОВИЕ то", the "если" at the current token; "то" may stand on a line of its own.
    ProgramNode ifHead() {
        ProgramNode node;
        node.kind = ProgramNode::Kind::If;
        node.line = tokens_[pos_++].line;
        node.condition = condition();
        while (tokens_[pos_].kind == TokenKind::End) {
            ++pos_;
        }
        if (tokens_[pos_].keyword != Keyword::Then) {
            fail(node.line, "нет «то» после условия «если»");
        }
        ++pos_;
        return node;
    }

    std::vector<ConditionStep> condition() {
        std::vector<ConditionStep> steps;
        anyOf(0, steps);
        return steps;
    }

    using ConditionPart = void (Parser::*)(int depth, std::vector<ConditionStep>& steps);

    // Parts read by `part` joined by the keyword, each join combining the two before it: "или" joins the
    // parts joined by "и", and these join the parts with "не", so that "не" binds tightest.
    void joined(int depth, std::vector<ConditionStep>& steps, Keyword keyword, ConditionOp op,
                ConditionPart part) {
        (this->*part)(depth, steps);
        while (tokens_[pos_].keyword == keyword) {
            ++pos_;
            (this->*part)(depth, steps);
            steps.push_back(combining(op));
        }
    }

    void anyOf(int depth, std::vector<ConditionStep>& steps) {
        joined(depth, steps, Keyword::Or, ConditionOp::Or, &Parser::allOf);
    }

    void allOf(int depth, std::vector<ConditionStep>& steps) {
        joined(depth, steps, Keyword::And, ConditionOp::And, &Parser::negated);
    }

    // "не …", "( … )" or a comparison. Each "не" and "(" is a level, limited as statements are, and checked
    // before descending.
    void negated(int depth, std::vector<ConditionStep>& steps) {
        const Token& token = tokens_[pos_];
        const bool opening = token.kind == TokenKind::Symbol && textOf(token) == "(";
        if ((token.keyword == Keyword::Not || opening) && depth >= kMaxProgramDepth) {
            fail(token.line, "условие: " + depthMessage());
        }
        if (token.keyword == Keyword::Not) {
            ++pos_;
            negated(depth + 1, steps);
            steps.push_back(combining(ConditionOp::Not));
            return;
        }
        if (opening) {
            ++pos_;
            anyOf(depth + 1, steps);
            const Token& closing = tokens_[pos_];
            if (closing.kind != TokenKind::Symbol || textOf(closing) != ")") {
                fail(closing.line, "в условии нет «)» для «(», а здесь " + found(closing));
            }
            ++pos_;
            return;
        }
        ConditionStep step;
        step.left = term();
        step.comparison = comparison();
        step.right = term();
        steps.push_back(step);
    }

    ConditionTerm term() {
        const Token& token = tokens_[pos_];
        ConditionTerm result;
        if (token.kind == TokenKind::Number) {
            const std::string_view digits = textOf(token);
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), result.number);
            if (error != std::errc()) {
                fail(token.line, "число " + QuotedText(digits) + " слишком большое");
            }
        } else if (const auto vessel =
                       token.kind == TokenKind::Word ? VesselOfLetter(textOf(token)) : std::nullopt) {
            result.vessel = *vessel;
        } else {
            fail(token.line, "в условии ожидается сосуд (А, Б, В) или число, а здесь " + found(token));
        }
        ++pos_;
        return result;
    }

    Comparison comparison() {
        const Token& token = tokens_[pos_];
        if (token.kind == TokenKind::Symbol) {
            for (const ComparisonSpelling& spelling : kComparisons) {
                if (textOf(token) == spelling.text) {
                    ++pos_;
                    return spelling.comparison;
                }
            }
        }
        fail(token.line, "в условии ожидается знак сравнения (=, <>, <, >, <=, >=), а здесь " + found(token));
    }

    // A command: everything up to the end of the statement or the next "нц", "кц", "если", "иначе", "все",
    // read as the solution reader reads a line.
    ProgramNode command() {
        const std::size_t first = pos_;
        while (tokens_[pos_].kind != TokenKind::End && tokens_[pos_].kind != TokenKind::EndOfText) {
            const Keyword keyword = tokens_[pos_].keyword;
            if (keyword == Keyword::Loop || keyword == Keyword::LoopEnd || keyword == Keyword::If ||
                keyword == Keyword::Else || keyword == Keyword::IfEnd) {
                break;
            }
            ++pos_;
        }
        const Token& start = tokens_[first];
        const std::string_view written = text_.substr(start.begin, tokens_[pos_ - 1].end - start.begin);
        const SolutionLine line = ReadSolutionLine(written);
        switch (line.kind) {
        case SolutionLineKind::Step:
            break;
        case SolutionLineKind::WrongColumnCount:
            fail(start.line,
                 QuotedText(written) +
                     " — после команды через табуляцию должны стоять три столбца сосудов или ни одного");
        case SolutionLineKind::Blank:
        case SolutionLineKind::NotACommand:
            fail(start.line, notACommand(first, pos_, written));
        }
        ProgramNode node;
        node.kind = ProgramNode::Kind::Command;
        node.line = start.line;
        node.command = line.command;
        return node;
    }

    // Why the tokens [first, last) are not a command: a letter that names no vessel ("Г - А"), one vessel
    // twice, or something else altogether.
    std::string notACommand(std::size_t first, std::size_t last, std::string_view written) const {
        if (last - first == 3 && tokens_[first].kind == TokenKind::Word &&
            tokens_[first + 2].kind == TokenKind::Word) {
            const std::string_view source = textOf(tokens_[first]);
            const std::string_view destination = textOf(tokens_[first + 2]);
            // The middle is a dash when the same dash between two vessels makes a command.
            const bool dash = ReadSolutionLine("А" + std::string(textOf(tokens_[first + 1])) + "Б").kind ==
                              SolutionLineKind::Step;
            const bool letters = source.size() <= 2 && destination.size() <= 2;
            if (dash && letters) {
                const auto from = VesselOfLetter(source);
                const auto to = VesselOfLetter(destination);
                if (from && to) {
                    return QuotedText(written) + " — переливать из сосуда в тот же сосуд нельзя";
                }
                return QuotedText(written) + " — нет такого сосуда";
            }
        }
        return QuotedText(written) + " — не команда; ожидается команда вида «А - Б»";
    }

    std::string_view text_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int lastLine_ = 1;
};

bool holds(Comparison comparison, std::int64_t left, std::int64_t right) {
    switch (comparison) {
    case Comparison::Equal:
        return left == right;
    case Comparison::NotEqual:
        return left != right;
    case Comparison::Less:
        return left < right;
    case Comparison::Greater:
        return left > right;
    case Comparison::LessOrEqual:
        return left <= right;
    case Comparison::GreaterOrEqual:
        return left >= right;
    }
    return false;
}

} // namespace

ProgramSyntaxError::ProgramSyntaxError(int line, const std::string& message)
    : Error("Строка " + std::to_string(line) + ": " + message), line_(line) {}

Program::Program() : root_(std::make_shared<ProgramNode>()) {}

bool Program::empty() const {
    return root_->body.empty();
}

Program ParseProgram(std::string_view text) {
    Program program;
    program.root_ = std::make_shared<const ProgramNode>(Parser(text).parse());
    return program;
}

bool LooksLikeProgram(std::string_view text) {
    bool found = false;
    forEachLine(text, [&](std::string_view line, std::size_t, int) {
        found = line.find('|') != std::string_view::npos;
        for (std::size_t i = 0; i < line.size() && !found;) {
            const std::size_t word = wordBytes(line, i);
            if (word == 0) {
                i += characterBytes(line, i);
                continue;
            }
            const Keyword keyword = keywordOf(line.substr(i, word));
            found = keyword != Keyword::None && keyword != Keyword::And && keyword != Keyword::Or &&
                    keyword != Keyword::Not;
            i += word;
        }
        return !found;
    });
    return found;
}

// The run is a stack of frames, one for each statement list being worked through: the program itself, the
// body of each loop under way, the branch of each "если" taken. Nothing recurses, however deep the program.
struct ProgramRun::Impl {
    struct Frame {
        const std::vector<ProgramNode>* statements;
        // The next statement; at the end of a loop's body its head is checked again.
        std::size_t index;
        // The loop this frame is the body of; nothing for the program and for a branch.
        const ProgramNode* loop;
        // The turns of "нц N раз" still to go.
        std::int64_t remaining;
    };

    Program program;
    ProgramLimits limits;
    std::vector<Frame> frames;
    ProgramRunState state = ProgramRunState::Running;
    int commands = 0;
    std::int64_t turnsWithoutCommand = 0;
    int stopLine = 0;
    std::vector<bool> values;

    bool holdsNow(const std::vector<ConditionStep>& condition, const std::array<int, kVesselCount>& amounts) {
        auto value = [&](const ConditionTerm& term) -> std::int64_t {
            return term.vessel >= 0 ? amounts[static_cast<std::size_t>(term.vessel)] : term.number;
        };
        values.clear();
        for (const ConditionStep& step : condition) {
            if (step.op == ConditionOp::Compare) {
                values.push_back(holds(step.comparison, value(step.left), value(step.right)));
                continue;
            }
            if (step.op == ConditionOp::Not) {
                values.back() = !values.back();
                continue;
            }
            const bool right = values.back();
            values.pop_back();
            values.back() = step.op == ConditionOp::And ? values.back() && right : values.back() || right;
        }
        return values.back();
    }

    void stop(ProgramRunState reason, int line) {
        state = reason;
        stopLine = line;
    }
};

ProgramRun::ProgramRun(Program program) : ProgramRun(std::move(program), ProgramLimits{}) {}

ProgramRun::ProgramRun(Program program, ProgramLimits limits) : impl_(std::make_unique<Impl>()) {
    impl_->program = std::move(program);
    impl_->limits = limits;
    impl_->frames.push_back(Impl::Frame{&impl_->program.root_->body, 0, nullptr, 0});
}

ProgramRun::~ProgramRun() = default;
ProgramRun::ProgramRun(ProgramRun&&) noexcept = default;
ProgramRun& ProgramRun::operator=(ProgramRun&&) noexcept = default;

std::optional<ProgramCommand> ProgramRun::next(const std::array<int, kVesselCount>& amounts) {
    Impl& run = *impl_;
    while (run.state == ProgramRunState::Running) {
        Impl::Frame& frame = run.frames.back();
        if (frame.index < frame.statements->size()) {
            const ProgramNode& node = (*frame.statements)[frame.index];
            switch (node.kind) {
            case ProgramNode::Kind::Command:
                if (run.commands >= run.limits.commands) {
                    run.stop(ProgramRunState::CommandLimit, node.line);
                    return std::nullopt;
                }
                ++frame.index;
                ++run.commands;
                run.turnsWithoutCommand = 0;
                return ProgramCommand{node.command, node.line};
            case ProgramNode::Kind::Repeat:
            case ProgramNode::Kind::While:
                ++frame.index;
                // Entering a loop starts at its head.
                run.frames.push_back(Impl::Frame{&node.body, node.body.size(), &node, node.count});
                continue;
            case ProgramNode::Kind::If: {
                ++frame.index;
                const auto& branch = run.holdsNow(node.condition, amounts) ? node.body : node.otherwise;
                if (!branch.empty()) {
                    run.frames.push_back(Impl::Frame{&branch, 0, nullptr, 0});
                }
                continue;
            }
            case ProgramNode::Kind::Block:
                ++frame.index;
                continue;
            }
        }
        if (frame.loop == nullptr) {
            if (run.frames.size() == 1) {
                run.stop(ProgramRunState::Finished, 0);
                return std::nullopt;
            }
            run.frames.pop_back();
            continue;
        }
        const bool again = frame.loop->kind == ProgramNode::Kind::Repeat
                               ? frame.remaining > 0
                               : run.holdsNow(frame.loop->condition, amounts);
        if (!again) {
            run.frames.pop_back();
            continue;
        }
        if (run.turnsWithoutCommand >= run.limits.turnsWithoutCommand) {
            run.stop(ProgramRunState::TurnLimit, frame.loop->line);
            return std::nullopt;
        }
        ++run.turnsWithoutCommand;
        --frame.remaining;
        frame.index = 0;
    }
    return std::nullopt;
}

ProgramRunState ProgramRun::state() const {
    return impl_->state;
}

int ProgramRun::commandCount() const {
    return impl_->commands;
}

int ProgramRun::nextLine() const {
    if (impl_->state != ProgramRunState::Running) {
        return impl_->stopLine;
    }
    for (auto frame = impl_->frames.rbegin(); frame != impl_->frames.rend(); ++frame) {
        if (frame->index < frame->statements->size()) {
            return (*frame->statements)[frame->index].line;
        }
        if (frame->loop != nullptr) {
            return frame->loop->line;
        }
    }
    return 0;
}

ProgramOutcome RunProgram(const Program& program, const ExecutorTask& task, bool stopAtTargets) {
    ProgramOutcome outcome;
    ReplayHost host(task.initialState());
    const auto targets = task.targetTexts();
    ProgramRun run(program);
    while (const auto next = run.next(host.state().amount)) {
        host.setPanelText(next->command.text());
        ExecuteStep(host, targets, 1);
        outcome.lastCommandLine = next->line;
        if (host.completedOnLastStep() && outcome.reachedStep == 0) {
            outcome.reachedStep = host.stepCount();
            if (stopAtTargets) {
                break;
            }
        }
    }
    outcome.state = run.state();
    outcome.rows = host.rows();
    outcome.finalState = host.state();
    if (outcome.state == ProgramRunState::CommandLimit || outcome.state == ProgramRunState::TurnLimit) {
        outcome.stopLine = run.nextLine();
    }
    return outcome;
}

std::string ProgramLimitText(ProgramRunState state, int line) {
    const std::string where = "Строка " + std::to_string(line) + ": ";
    switch (state) {
    case ProgramRunState::CommandLimit:
        return where + "выполнено " + groupedNumber(kMaxProgramCommands) +
               " команд, а программа не закончилась; возможно, цикл никогда не кончится.";
    case ProgramRunState::TurnLimit:
        return where + "цикл повторился " + groupedNumber(kMaxTurnsWithoutCommand) +
               " раз подряд без единой команды; возможно, он никогда не кончится.";
    case ProgramRunState::Running:
    case ProgramRunState::Finished:
        break;
    }
    return {};
}

} // namespace trimerka
