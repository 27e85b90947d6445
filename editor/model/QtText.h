// Between the bank's UTF-8 strings and paths and Qt's strings.
#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace kvardelon::editor {

inline QString qtext(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string utf8(const QString& text)
{
    return text.toStdString();
}

inline QString pathText(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

inline std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(text.toStdU16String());
}

}  // namespace kvardelon::editor
