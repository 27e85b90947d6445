// editor_save_loop FOLDER SEED: opens the bank in FOLDER and saves changes to it without
// end, as fast as it can, until it is killed; says "ready" first and "saved" after each save.
#include "OpenBank.h"
#include "Saving.h"

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

// A question of some length, so that files grow and shrink from one save to the next.
std::string question(std::mt19937& random)
{
    std::uniform_int_distribution<int> words(1, 400);
    std::string text = "Вопрос";
    for (int n = words(random); n > 0; --n)
        text += n % 7 == 0 ? " ёлка" : " слово";
    return text + "?";
}

void change(OpenBank& bank, std::mt19937& random)
{
    std::uniform_int_distribution<int> step(1, kSteps);
    std::uniform_int_distribution<int> record(0, 9);
    for (int files = 1 + static_cast<int>(random() % 3); files > 0; --files) {
        const int s = step(random);
        bank.setText({s, record(random)}, RecordField::Question, question(random));
        if (random() % 4 == 0)
            bank.insertRecord({s, 0}, bank.record({s, 5}), QStringLiteral("копия"));
        else if (bank.recordCount(s) > 10)
            bank.removeRecord({s, 0});
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    OpenBank bank;
    // The folder as given, whatever its letters: Windows' argv would hold it in the ANSI code page.
    bank.open(std::filesystem::path(QCoreApplication::arguments().at(1).toStdU16String()));
    std::mt19937 random(static_cast<unsigned>(std::stoul(argv[2])));
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        change(bank, random);
        if (!saveSteps(bank, planSave(bank).steps).error.isEmpty())
            return 1;
        std::puts("saved");
        std::fflush(stdout);
    }
}
