// Fuzzes the question reader and the bank writer: any bytes as a bank file, checked against a
// plain reading of the rules, then written back.
//
// The input is the whole file. Its first byte draws the record count (byte % 10 + 1); the
// high half of its last byte names answers to blank before the fifty-fifty runs on what
// the load showed. Anything but the bank's own error, or any difference from the plain
// reading below, stops the run; so does any fault of the writer (WriterRoundTrip.h).
#include "BankError.h"
#include "BankErrorText.h"
#include "Lifelines.h"
#include "QuestionBank.h"
#include "WriterRoundTrip.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace kvardelon;

[[noreturn]] void fault(const std::string& what)
{
    std::fprintf(stderr, "\nfuzz_question_reader: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// A bank folder of this process under TMPDIR, made on first use and removed at exit. Its
// file is kept open and overwritten in place: truncating and rewriting a file makes some
// file systems write it to disk on every close.
class ScratchBank {
public:
    ScratchBank()
    {
        std::string pattern = (fs::temp_directory_path() / "kvardelon-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            fault("cannot make a temporary folder");
        root_ = pattern;
        fs::create_directory(folder());
        file_ = ::open((folder() / "qw1.txt").c_str(), O_WRONLY | O_CREAT, 0600);
        if (file_ < 0)
            fault("cannot make the bank file");
    }
    ~ScratchBank()
    {
        ::close(file_);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    ScratchBank(const ScratchBank&) = delete;
    ScratchBank& operator=(const ScratchBank&) = delete;

    fs::path folder() const { return root_ / "data"; }

    void write(std::string_view bytes) const
    {
        const auto size = static_cast<off_t>(bytes.size());
        if (::pwrite(file_, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(size) ||
            ::ftruncate(file_, size) != 0)
            fault("cannot write the bank file");
    }

private:
    fs::path root_;
    int file_ = -1;
};

constexpr std::string_view kMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The code page as the C library knows it, byte by byte: a reading independent of the
// game's table. The C library leaves 0x98 undefined; the game shows it as U+FFFD.
std::string fromCp1251(std::string_view bytes)
{
    static const std::array<std::string, 256> kForms = [] {
        std::array<std::string, 256> forms;
        iconv_t convert = ::iconv_open("UTF-8", "CP1251");
        if (convert == reinterpret_cast<iconv_t>(-1))
            fault("the C library has no CP1251");
        for (std::size_t byte = 0; byte < forms.size(); ++byte) {
            char in = static_cast<char>(byte);
            std::array<char, 8> out{};
            char* inPointer = &in;
            char* outPointer = out.data();
            std::size_t inLeft = 1;
            std::size_t outLeft = out.size();
            if (::iconv(convert, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1))
                forms[byte] = kReplacement;
            else
                forms[byte].assign(out.data(), out.size() - outLeft);
        }
        ::iconv_close(convert);
        return forms;
    }();
    std::string text;
    for (const char c : bytes)
        text += kForms[static_cast<std::uint8_t>(c)];
    return text;
}

// UTF-8 with every ill-formed part replaced by one U+FFFD: at each place the longest run
// of bytes that could still begin a well-formed character, at least one byte.
std::string fromUtf8(std::string_view bytes)
{
    auto byteAt = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    std::string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = byteAt(i);
        std::size_t length = 0;
        std::uint8_t low = 0x80;  // the range of the second byte; later ones are 80..BF
        std::uint8_t high = 0xBF;
        if (lead < 0x80) {
            text += static_cast<char>(lead);
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        std::size_t taken = 1;
        while (length != 0 && taken < length && i + taken < bytes.size()) {
            const std::uint8_t next = byteAt(i + taken);
            const bool fits = taken == 1 ? next >= low && next <= high : next >= 0x80 && next <= 0xBF;
            if (!fits)
                break;
            ++taken;
        }
        if (length != 0 && taken == length)
            text += bytes.substr(i, length);
        else
            text += kReplacement;
        i += taken;
    }
    return text;
}

// CR LF, CR and LF each end a line; the last line needs no line end.
std::vector<std::string_view> plainLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

constexpr std::array<Captioned, 5> kTextControls = {Captioned::Label1, Captioned::Command1, Captioned::Command2,
                                                    Captioned::Command3, Captioned::Command4};

// What a load came to, or must come to: the four texts and gintO, or the bank's error.
struct Load {
    std::array<std::string, 5> captions;  // Label1, Command1..Command4
    std::int16_t gintO = 0;
    std::optional<BankError::Reason> reason;
    int line = 0;
    std::string text;  // AnswerOutOfRange: the sixth line as read
};

// Loading `records` records by the plainest reading of the rules. `markBytes` counts
// towards the length of line 1 (the UTF-8 mark may or may not).
Load plainLoad(std::string_view bytes, int records, const std::function<std::string(std::string_view)>& decode,
               std::size_t markBytes = 0)
{
    static constexpr std::array<std::string_view, 4> kPrefixes = {"A:", "B:", "C:", "D:"};
    const std::vector<std::string_view> lines = plainLines(bytes);
    Load expected;
    for (std::size_t i = 0; i < static_cast<std::size_t>(records * kLinesPerRecord); ++i) {
        if (i == lines.size()) {
            expected.reason = BankError::Reason::TooShort;
            expected.line = static_cast<int>(lines.size());
            return expected;
        }
        if (lines[i].size() + (i == 0 ? markBytes : 0) > kMaxLineBytes) {
            expected.reason = BankError::Reason::LineTooLong;
            expected.line = static_cast<int>(i + 1);
            return expected;
        }
        const std::string text = decode(lines[i]);
        const std::size_t field = i % kLinesPerRecord;
        if (field == 0) {
            expected.captions[0] = text;
        } else if (field <= 4) {
            expected.captions[field] = std::string(kPrefixes[field - 1]) + text;
        } else if (const std::optional<std::int16_t> number = answerNumber(text)) {
            expected.gintO = *number;
        } else {
            expected.reason = BankError::Reason::AnswerOutOfRange;
            expected.line = static_cast<int>(i + 1);
            expected.text = text;
            return expected;
        }
    }
    return expected;
}

// Empty when the load is as expected; else what differs.
std::string difference(const Load& actual, const Load& expected)
{
    if (actual.reason != expected.reason || actual.line != expected.line) {
        static constexpr std::array<const char*, 9> kReasons = {
            "MissingFolder", "MissingFile", "NotRegularFile", "CannotOpen",
            "ReadFailed",    "TooShort",    "LineTooLong",    "AnswerOutOfRange",
            "FileTooLarge",
        };
        auto describe = [](const Load& load) {
            return load.reason ? std::string(kReasons.at(static_cast<std::size_t>(*load.reason))) + " at line " +
                                     std::to_string(load.line)
                               : std::string("a question");
        };
        return describe(actual) + " where the rules give " + describe(expected);
    }
    if (actual.reason)
        return actual.text == expected.text ? "" : "the error quotes another sixth line";
    for (std::size_t i = 0; i < actual.captions.size(); ++i) {
        if (actual.captions[i] != expected.captions[i])
            return "text " + std::to_string(i) + " (Label1, Command1..4) differs from the rules";
    }
    return actual.gintO == expected.gintO ? "" : "gintO differs from the rules";
}

// Holds captions and counts how often Picture1 was turned off.
class Window : public WindowOps {
public:
    void setCaption(Captioned control, std::string_view text) override { captions[index(control)] = text; }
    std::string caption(Captioned control) const override { return captions[index(control)]; }
    void setEnabled(Control control, bool enabled) override
    {
        if (control != Control::Picture1 || enabled)
            fault("something other than Picture1 was enabled or disabled");
        ++picture1Offs;
    }
    void setLadderColour(int, Colour) override { fault("the ladder was touched"); }
    void openResult(std::string_view) override { fault("the result window was opened"); }
    void closeMain() override { fault("the main window was closed"); }
    void endProcess() override { fault("the process was ended"); }

    std::array<std::string, 5> captions;
    int picture1Offs = 0;

private:
    static std::size_t index(Captioned control) { return static_cast<std::size_t>(control); }
};

// Draws the record count given; loading must draw once and never seed.
class RecordCountRandom : public Random {
public:
    explicit RecordCountRandom(int records) : value_((static_cast<float>(records) - 0.5F) / 10.0F) {}
    void seedFromTimeOfDay() override { fault("loading a question seeded the generator"); }
    float next() override
    {
        ++draws;
        return value_;
    }
    int draws = 0;

private:
    float value_;
};

// The game's generator on a fixed clock, with a bound on the draws that no fifty-fifty needs.
class BoundedRandom : public Random {
public:
    explicit BoundedRandom(float clock) : inner_([clock] { return clock; }) { inner_.seedFromTimeOfDay(); }
    void seedFromTimeOfDay() override { fault("the fifty-fifty seeded the generator"); }
    float next() override
    {
        if (++draws_ > 10'000)
            fault("the fifty-fifty drew ten thousand times");
        return inner_.next();
    }

private:
    ClockSeededRandom inner_;
    int draws_ = 0;
};

void checkFiftyfifty(Window& window, std::int16_t gintO, unsigned blanked, float clock)
{
    for (int n = 1; n <= 4; ++n) {
        if (((blanked >> (n - 1)) & 1U) != 0)
            window.setCaption(answerButton(n), "");
    }
    std::array<std::string, 4> before;
    int removable = 0;
    for (int n = 1; n <= 4; ++n) {
        before[static_cast<std::size_t>(n - 1)] = window.caption(answerButton(n));
        removable += (n != gintO && !before[static_cast<std::size_t>(n - 1)].empty()) ? 1 : 0;
    }

    BoundedRandom random(clock);
    fiftyfifty(gintO, window, random);

    int removed = 0;
    for (int n = 1; n <= 4; ++n) {
        const std::string& was = before[static_cast<std::size_t>(n - 1)];
        const std::string now = window.caption(answerButton(n));
        if (now == was)
            continue;
        if (!now.empty() || n == gintO || was.empty())
            fault("the fifty-fifty changed answer " + std::to_string(n) + ", which it may not touch");
        ++removed;
    }
    if (removed != std::min(2, removable))
        fault("the fifty-fifty removed " + std::to_string(removed) + " of " + std::to_string(removable) +
              " removable answers");
    if (window.picture1Offs != 1)
        fault("the fifty-fifty did not disable Picture1 exactly once");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchBank bank;
    static const QuestionBank questions(bank.folder());
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    bank.write(bytes);

    const int records = size == 0 ? 1 : data[0] % 10 + 1;
    Window window;
    RecordCountRandom random(records);
    GameState state;
    Load actual;
    try {
        questions.loadQuestion(1, random, window, state);
    } catch (const BankError& error) {
        if (error.file() != questions.fileName(1))
            fault("the error names another file: " + error.file().string());
        actual.reason = error.reason();
        actual.line = error.line();
        actual.text = error.details().text;
        const std::string message = bankErrorText(error.details());
        if (fromUtf8(message) != message)
            fault("the error's message is not well-formed UTF-8: " + message);
    }
    if (random.draws != 1)
        fault("the load drew " + std::to_string(random.draws) + " times");
    if (!actual.reason) {
        for (std::size_t i = 0; i < kTextControls.size(); ++i)
            actual.captions[i] = window.caption(kTextControls[i]);
        actual.gintO = state.gintO;
    }

    // A file without the mark that is UTF-8 throughout, with a byte beyond ASCII, is UTF-8.
    const bool utf8 = !bytes.starts_with(kMark) && fromUtf8(bytes) == bytes &&
                      std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    // A file that begins with the UTF-8 mark may be read as UTF-8, the mark counted in
    // line 1's length or not, or as windows-1251 like any other.
    std::string differs = difference(actual, plainLoad(bytes, records, utf8 ? fromUtf8 : fromCp1251));
    if (!differs.empty() && bytes.starts_with(kMark)) {
        for (const std::size_t markBytes : {std::size_t{0}, kMark.size()}) {
            const std::string asUtf8 =
                difference(actual, plainLoad(bytes.substr(kMark.size()), records, fromUtf8, markBytes));
            if (asUtf8.empty())
                differs.clear();
            else if (markBytes == 0)
                differs += "; read as UTF-8: " + asUtf8;
        }
    }
    if (!differs.empty())
        fault(differs);
    if (const std::string writer = fuzz::writerRoundTrip(bytes, size < 2 ? 0U : data[1]); !writer.empty())
        fault(writer);

    if (!actual.reason) {
        const unsigned blanked = size < 2 ? 0U : static_cast<unsigned>(data[size - 1] >> 4);
        checkFiftyfifty(window, state.gintO, blanked, static_cast<float>(size == 0 ? 0 : data[0]));
    }
    return 0;
}
