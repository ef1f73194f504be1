// SPDX-License-Identifier: GPL-3.0-or-later
// Language files: reading Data/Eng.txt and Data/Rus.txt into the table of
// 200 items that every caption, tool tip, message and help topic comes from.
//
// A file holds nine blocks of items (16, 33, 34, 9, 11, 9, 26, 27 and 35),
// read in order. An item ends at a comma or at a line end; it may be enclosed
// in double quotes, and may then contain commas (the closing quote must be on
// the same line; nothing but blanks may follow it before the comma or line
// end). Blanks before and after an unquoted item are dropped; an item that
// holds a NUL character is refused. The last item
// of blocks 1 to 8 ends its line, and exactly one empty line separates each
// block from the next (CR LF, LF or CR line ends alike); an empty line is
// never an item, so a block that is short of items is reported as such. A
// block never holds more items than its count (an unquoted comma that splits
// an item would shift every later one), and nothing but blank lines follows
// the last block.
//
// Only a regular file of at most kLanguageFileMaxBytes is read: a named
// pipe, a device or a runaway file is refused before anything is read.
//
// Nothing here throws or ends the program: a missing file, a damaged block
// layout, too few or too many items or bytes that are not text come back as
// a LanguageError that names the file, the block, the item and the line (or
// the line alone where no item is concerned). Qt Core only.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace ohmaris {

enum class Language { English = 1, Russian = 2 };

constexpr int kLanguageBlockCount = 9;
constexpr std::array<int, kLanguageBlockCount> kLanguageBlockSizes{16, 33, 34, 9, 11, 9, 26, 27, 35};
constexpr int kLanguageItemCount = 200;
constexpr int kMessageCount = 6; // block 1 items 11..16
// The shipped files are about 40 kB each.
constexpr qint64 kLanguageFileMaxBytes = 1024 * 1024;

// Language numbers as the program keeps them (CurrentLanguage): below 1
// becomes 1, above 2 becomes 2.
int ClampLanguage(int language);
Language LanguageFromNumber(int language); // clamps first

// "Eng.txt" or "Rus.txt".
QString LanguageFileName(Language language);

// Where the language files are looked for. With an override set (tests, or
// a caller that knows better), only <override>/Eng.txt is used. Otherwise
// <appdir>/Data, then <appdir>/../share/ohmaris/Data (the installed layout),
// where <appdir> is QCoreApplication::applicationDirPath() (the current
// directory when no application object exists). An empty string removes the
// override.
void SetLanguageDirectoryOverride(const QString &directory);
QString LanguageDirectoryOverride();
QStringList LanguageDirectoryCandidates();

// Full path of a language file: the first candidate directory that holds
// it, or, when none does, the first candidate (so an error names the place
// where the file was expected).
QString LanguageFilePath(Language language);

// Why a language file could not be used. `block` and `item` are 1-based and
// 0 when the fault is not tied to one item (the file cannot be opened);
// `line` is the 1-based line of the file where the fault was found, or 0.
struct LanguageError {
    QString file;
    QString what;
    int block = 0;
    int item = 0;
    int line = 0;

    // One line for a message box or the log, e.g.
    // "Language file /opt/x/Data/Rus.txt: block 3, item 12 (line 40): the file ends before this item".
    QString message() const;
};

// The items of one language file. Blocks and items are numbered from 1 as
// the caption tables number them; item(b, n) of a block or item that does
// not exist is an empty string.
class LanguageTable {
public:
    LanguageTable() = default;
    // Builds a table from lists of items; each list is cut or padded with
    // empty items to its block's size. Used by the reader and by tests.
    LanguageTable(Language language, const std::array<QStringList, kLanguageBlockCount> &blocks);

    Language language() const { return m_language; }
    QString item(int block, int item) const;
    QStringList block(int block) const;

    // Messages(index), index 0..5 (block 1 items 11..16). Messages(3) is the
    // exit prompt and Messages(4) its title.
    QString message(int index) const;
    QStringList messages() const;

    // Block 1 item 1, one space and the program's version ("Version 1.0.0").
    QString versionText() const;

private:
    Language m_language = Language::English;
    std::array<QStringList, kLanguageBlockCount> m_blocks;
};

// Either a table or the reason there is none.
struct LanguageResult {
    std::optional<LanguageTable> table;
    std::optional<LanguageError> error;
    bool ok() const { return table.has_value(); }
};

// Encoding of a file's bytes: valid UTF-8 is read as UTF-8 (a leading byte
// order mark is dropped). A file that is not UTF-8 throughout is read in the
// 8-bit code page of the language, Windows-1251 for Russian and Windows-1252
// for English, when it reads as that code page's text: the places where
// UTF-8 breaks outnumber its valid multi-byte characters many times over (a
// code-page letter followed by a byte of 0x80..0xBF, as in "\xD9\xB8" for
// "Щё", happens to be valid UTF-8 now and then), and every byte is a
// character of the code page. A file that is UTF-8 but for a few bytes is
// neither: decoding it either way would garble it silently, so it is refused
// at the first byte that is wrong.
struct Utf8Scan {
    qsizetype firstBad = -1;       // offset where UTF-8 first breaks, -1: never
    // The byte to blame for that break: firstBad, or, when a byte inside the
    // character begun there breaks it and the character is whole without
    // that byte (0xFF inserted into an em dash), that byte.
    qsizetype blamed = -1;
    qsizetype validSequences = 0;  // valid multi-byte characters
    qsizetype breaks = 0;          // places where UTF-8 breaks
};
Utf8Scan ScanUtf8(QByteArrayView bytes);
bool IsValidUtf8(QByteArrayView bytes);
// Whether a scan that found breaks reads as code-page text rather than as
// damaged UTF-8 (the first of the two tests above).
bool BreaksOutnumberUtf8(const Utf8Scan &scan);
QString DecodeWindows1251(QByteArrayView bytes);
QString DecodeWindows1252(QByteArrayView bytes);
// The first byte that the language's code page leaves undefined, or -1.
qsizetype FirstUndefinedInCodePage(QByteArrayView bytes, Language language);

struct DecodedLanguageText {
    std::optional<QString> text; // empty when the file is refused
    bool codePage = false;       // read (or refused) as the code page
    int badLine = 0;             // when refused: the 1-based line of the wrong byte,
    int badColumn = 0;           // its 1-based byte within that line
    unsigned char badByte = 0;   // and the byte itself
};
DecodedLanguageText DecodeLanguageBytes(const QByteArray &bytes, Language language);

// Splits decoded text into the nine blocks. `fileName` only labels errors.
LanguageResult ParseLanguageText(const QString &text, Language language, const QString &fileName);

// Decodes and parses the bytes of one file, refusing bytes that are not text
// as ReadLanguageFile does. `fileName` only labels errors.
LanguageResult ParseLanguageBytes(const QByteArray &bytes, Language language, const QString &fileName);

// Reads, decodes and parses one file.
LanguageResult ReadLanguageFile(const QString &path, Language language);

// What the caption loader does first: clamps `language` into 1..2 and writes
// the clamped number back, then reads the file of that language from
// LanguageFilePath().
LanguageResult LoadLanguageTable(int &language);

} // namespace ohmaris
