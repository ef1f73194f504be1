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
// never an item, so a block that is short of items is reported as such.
//
// Nothing here throws or ends the program: a missing file, a damaged block
// layout, too few items or bytes that are not text come back as a
// LanguageError that names the file, the block, the item and the line (or
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
// order mark is dropped). A file without a single valid UTF-8 multi-byte
// sequence is read in the 8-bit code page of the language, Windows-1251 for
// Russian and Windows-1252 for English. A file that is UTF-8 but for some
// bytes is neither: decoding it either way would garble it silently, so it
// is refused at the line of its first bad byte.
struct Utf8Scan {
    qsizetype firstBad = -1;  // offset of the first byte that breaks UTF-8, -1: none
    bool multiByte = false;   // at least one valid multi-byte sequence
};
Utf8Scan ScanUtf8(QByteArrayView bytes);
bool IsValidUtf8(QByteArrayView bytes);
QString DecodeWindows1251(QByteArrayView bytes);
QString DecodeWindows1252(QByteArrayView bytes);

struct DecodedLanguageText {
    std::optional<QString> text; // empty when the file is refused
    int badLine = 0;             // then the 1-based line of the first bad byte
    unsigned char badByte = 0;   // and that byte
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
