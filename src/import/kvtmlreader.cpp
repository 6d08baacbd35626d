// SPDX-License-Identifier: GPL-3.0-or-later
#include "kvtmlreader.h"

#include "platform/error.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <pugixml.hpp>
#include <vector>

namespace importer {

namespace {

[[noreturn]] void notKvtml(const QString &reason)
{
    throw platform::Error(
        platform::Error::parse,
        QCoreApplication::translate("importer", "The file is not a KVTML vocabulary: %1.")
            .arg(reason));
}

QString text(const pugi::xml_node &node)
{
    return QString::fromUtf8(node.text().get());
}

struct Language
{
    long long id;
    QString name;
};

std::vector<Language> languages(const pugi::xml_node &root)
{
    std::vector<Language> found;
    for (const pugi::xml_node &identifier : root.child("identifiers").children("identifier"))
        found.push_back({identifier.attribute("id").as_llong(), text(identifier.child("name"))});
    std::stable_sort(found.begin(), found.end(),
                     [](const Language &a, const Language &b) { return a.id < b.id; });
    return found;
}

pugi::xml_node translation(const pugi::xml_node &entry, long long id)
{
    for (const pugi::xml_node &candidate : entry.children("translation"))
        if (candidate.attribute("id").as_llong() == id)
            return candidate;
    return pugi::xml_node();
}

// What the first language's translation may say besides its text, as a column each. A list in
// one language (Parley's own) keeps each definition in the comment or the paraphrase.
struct Note
{
    const char *element;
    const char *name;
};
constexpr std::array<Note, 3> notes{{{"example", QT_TRANSLATE_NOOP("importer", "Example")},
                                     {"comment", QT_TRANSLATE_NOOP("importer", "Comment")},
                                     {"paraphrase", QT_TRANSLATE_NOOP("importer", "Paraphrase")}}};

Table readVersion2(const pugi::xml_node &root)
{
    const std::vector<Language> found = languages(root);
    if (found.empty())
        notKvtml(QCoreApplication::translate("importer", "it names no languages"));
    Table table;
    table.html = false;
    for (const Language &language : found)
        table.columns.append(language.name);
    for (const Note &note : notes)
        table.columns.append(QCoreApplication::translate("importer", note.name));
    std::array<bool, notes.size()> noted{};
    for (const pugi::xml_node &entry : root.child("entries").children("entry")) {
        QStringList row;
        for (const Language &language : found)
            row.append(text(translation(entry, language.id).child("text")));
        const pugi::xml_node first = translation(entry, found.front().id);
        for (size_t note = 0; note < notes.size(); ++note) {
            row.append(text(first.child(notes[note].element)));
            noted[note] = noted[note] || !row.back().trimmed().isEmpty();
        }
        table.rows.append(std::move(row));
    }
    const int example = int(found.size()), comment = example + 1, paraphrase = example + 2;
    int meaning = -1;
    if (found.size() > 1)
        meaning = 1;
    else if (noted[1])
        meaning = comment;
    else if (noted[2])
        meaning = paraphrase;
    table.mapping = {0, meaning, example};
    return table;
}

// The first version: <e><o>word</o><t>translation</t></e>.
Table readVersion1(const pugi::xml_node &root)
{
    Table table;
    table.html = false;
    table.columns = QStringList{QCoreApplication::translate("importer", "Original"),
                                QCoreApplication::translate("importer", "Translation")};
    for (const pugi::xml_node &entry : root.children("e"))
        table.rows.append(QStringList{text(entry.child("o")), text(entry.child("t"))});
    table.mapping = {0, 1, -1};
    return table;
}

} // namespace

Table readKvtml(const QByteArray &bytes)
{
    pugi::xml_document document;
    // The default parse leaves the document type alone: no DTD, no external entities.
    const pugi::xml_parse_result parsed =
        document.load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default);
    if (!parsed)
        notKvtml(QCoreApplication::translate("importer", "%1 at byte %2")
                     .arg(QString::fromUtf8(parsed.description()))
                     .arg(parsed.offset));
    const pugi::xml_node root = document.child("kvtml");
    if (!root)
        notKvtml(QCoreApplication::translate("importer", "its root element is not <kvtml>"));
    if (root.child("identifiers") || root.child("entries"))
        return readVersion2(root);
    if (root.child("e"))
        return readVersion1(root);
    notKvtml(QCoreApplication::translate("importer", "it holds no entries"));
}

Table readKvtmlFile(const QString &path)
{
    return readKvtml(wordListBytes(path));
}

} // namespace importer
