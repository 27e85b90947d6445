// Advice an author acts on: the rename command for a misnamed file works as typed, and one
// edited file is checked again in memory, each finding placed in its record and field.
#include "BankCheck.h"
#include "Fakes.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kvardelon::check {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
class MisnamedFiles : public ::testing::TestWithParam<const char*> {};

// Works in another folder for as long as it lives.
class InFolder {
public:
    explicit InFolder(const fs::path& folder) : before_(fs::current_path()) { fs::current_path(folder); }
    ~InFolder() { fs::current_path(before_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    fs::path before_;
};

TEST_P(MisnamedFiles, areNamedWithACommandThatRenamesThemAsTyped)
{
    test::TempBank bank;
    bank.writeAll();
    // A folder whose name needs quoting, given relative to the current folder as a user would.
    const fs::path folder = bank.root() / "it's -my bank";
    fs::rename(bank.folder(), folder);
    fs::rename(folder / "qw1.txt", folder / GetParam());
    const InFolder inRoot(bank.root());

    const std::vector<Finding> findings = checkBank(folder.filename());
    ASSERT_EQ(findings.size(), 1U);
    EXPECT_EQ(findings[0].problem, Problem::MisnamedFile);
    const std::string& message = findings[0].message;
    EXPECT_NE(message.find(std::string("Рядом лежит файл «") + GetParam() + "»"), std::string::npos) << message;
    const std::string lead = "Переименуйте его: ";
    const std::string command = message.substr(message.find(lead) + lead.size());
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_TRUE(checkBank(folder.filename()).empty()) << command;
}

INSTANTIATE_TEST_SUITE_P(CheckBank, MisnamedFiles, ::testing::Values("qw01.txt", "qw1.txt.txt", "QW1.TXT", "qw1"));
#endif

BankFile parsed(const std::string& bytes)
{
    return parseBankFile(bytes);
}

TEST(CheckFile, placesFindingsInRecordAndFieldAndForgetsThemOnceMended)
{
    std::string bytes;
    for (int r = 1; r <= 10; ++r)
        bytes += test::record("q3-" + std::to_string(r), 1);
    BankFile file = parsed(bytes);
    file.records[1].answers[2] = " ";
    file.records[3].answerLine = "c)";

    const std::vector<Finding> findings = checkFile(file, 3, "qw3.txt");
    ASSERT_EQ(findings.size(), 2U);
    EXPECT_EQ((std::tuple{findings[0].problem, findings[0].record, findings[0].field, findings[0].line}),
              (std::tuple{Problem::EmptyText, 2, Field::AnswerC, 10}));
    EXPECT_EQ((std::tuple{findings[1].problem, findings[1].record, findings[1].field, findings[1].line}),
              (std::tuple{Problem::BadAnswerNumber, 4, Field::AnswerNumber, 24}));
    EXPECT_EQ(findings[1].step, 3);

    file.records[1].answers[2] = "q3-2 c";
    file.records[3].answerLine = "3";
    EXPECT_TRUE(checkFile(file, 3, "qw3.txt").empty());
}

TEST(CheckAcrossBank, findsAQuestionRepeatedInAnotherFileAndSkipsMissingFiles)
{
    const BankFile first = parsed(test::record("Столица Франции?", 1));
    const BankFile second = parsed(test::record("Столица Италии?", 1) + test::record("Столица Франции?", 2));
    std::array<const BankFile*, kSteps> files{};
    std::array<fs::path, kSteps> names;
    files[0] = &first;
    files[4] = &second;
    names[0] = "qw1.txt";
    names[4] = "qw5.txt";
    const std::vector<Finding> findings = checkAcrossBank(files, names);
    ASSERT_EQ(findings.size(), 1U);
    EXPECT_EQ((std::tuple{findings[0].file, findings[0].step, findings[0].record, findings[0].line}),
              (std::tuple{fs::path("qw5.txt"), 5, 2, 7}));
    EXPECT_NE(findings[0].message.find("уже есть: qw1.txt:1."), std::string::npos) << findings[0].message;
}

}  // namespace
}  // namespace kvardelon::check
