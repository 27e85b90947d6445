// The command's arguments, output and exit status, run in the test's own process.
#include "CheckCommand.h"
#include "Fakes.h"
#include "PathText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kvardelon::check {
namespace {

struct Call {
    const char* name;
    std::vector<std::string> arguments;  // "{clean}", "{broken}" ...: banks and files made for the test
    int status;
    const char* out;  // a part of stdout; "" when stdout must be empty
    const char* err;  // a part of stderr; "" when stderr must be empty
};

class Calls : public ::testing::TestWithParam<Call> {};

TEST_P(Calls, exitWithTheirStatusAndSayWhatTheyShouldWhereTheyShould)
{
    test::TempBank clean;
    test::TempBank broken;
    test::TempBank warned;
    test::TempBank missing;
    for (const test::TempBank* bank : {&clean, &broken, &warned, &missing})
        bank->writeAll();
    broken.write(3, test::record("q3-1", 7));
    std::string repeating = test::record("q3-1", 2);
    for (int r = 2; r <= 10; ++r)
        repeating += test::record("q4-" + std::to_string(r), 1);
    warned.write(4, repeating);
    std::filesystem::remove(missing.file(3));

    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        if (argument == "{clean}")
            argument = pathToUtf8(clean.folder());
        else if (argument == "{broken}")
            argument = pathToUtf8(broken.folder());
        else if (argument == "{warned}")
            argument = pathToUtf8(warned.folder());
        else if (argument == "{missing}")
            argument = pathToUtf8(missing.folder());
        else if (argument == "{cleanRoot}")  // the folder one plays from, data/ in it
            argument = pathToUtf8(clean.root());
        else if (argument == "{brokenFile}")
            argument = pathToUtf8(broken.file(3));
        else if (argument == "{cleanFileOfBrokenBank}")
            argument = pathToUtf8(broken.file(4));
    }

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCheckCommand(arguments, out, err), GetParam().status);
    for (const auto& [stream, part] : {std::pair{out.str(), GetParam().out}, std::pair{err.str(), GetParam().err}}) {
        if (std::string(part).empty())
            EXPECT_EQ(stream, "");
        else
            EXPECT_NE(stream.find(part), std::string::npos) << stream;
    }
}

INSTANTIATE_TEST_SUITE_P(
    CheckCommand, Calls,
    ::testing::Values(
        Call{"help", {"--help"}, 0, "Использование: kvardelon-check [ПАПКА | ФАЙЛ]", ""},
        Call{"shortHelp", {"-h", "--unknown"}, 0, "Код выхода", ""},
        Call{"unknownOption", {"{clean}", "--verbose"}, 2, "", "неизвестный ключ «--verbose»"},
        Call{"twoFolders", {"{clean}", "{broken}"}, 2, "", "одну папку или один файл"},
        Call{"emptyFolderName", {""}, 2, "", "пустое имя папки"},
        Call{"cleanBank", {"{clean}"}, 0, "Ошибок: 0, предупреждений: 0.\n", ""},
        Call{"folderAfterDoubleDash", {"--", "{clean}"}, 0, "Ошибок: 0, предупреждений: 0.\n", ""},
        Call{"errorWithItsLine", {"{broken}"}, 1, "qw3.txt:6: ошибка: номер правильного ответа «7»", ""},
        Call{"errorsAreCounted", {"{broken}"}, 1, "\nОшибок: 2, предупреждений: 0.\n", ""},
        Call{"errorWithNoLine", {"{missing}"}, 1, "qw3.txt: ошибка: Не найден файл", ""},
        Call{"folderOnePlaysFrom", {"{cleanRoot}"}, 0, "data: проверяется «", ""},
        Call{"oneFileForTheStepItsNameSays", {"{brokenFile}"}, 1, "qw3.txt:6: ошибка: номер правильного ответа «7»",
             ""},
        Call{"oneFileAlone", {"{cleanFileOfBrokenBank}"}, 0, "Ошибок: 0, предупреждений: 0.\n", ""},
        Call{"warningsAlonePass", {"{warned}"}, 0, "qw4.txt:1: предупреждение: вопрос «q3-1» уже есть: ", ""}),
    [](const ::testing::TestParamInfo<Call>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kvardelon::check
