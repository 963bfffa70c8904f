// SPDX-License-Identifier: MIT
#include "ItlPo.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QStringList>

#include "TGlossator.h"
#include "TItlReader.h"
#include "TItlText.h"
#include "TTextCodec.h"

namespace ItlPo {

namespace {

const QString Separator = QLatin1String(TGlossator::KPluralSeparator);
const QString PluralKey = QStringLiteral("$pluralforms$");

struct TRecord {
    QString Key;    // as written, its line breaks spaces
    QString Value;  // as written, "\n" as a line break
    QStringList Notes;
};

struct TFile {
    QList<TRecord> Records;
    QHash<QByteArray, qsizetype> Index;  // normalised key to its first record
};

// "\n" (backslash, n) is a line break; the file's own line breaks are spaces, as Gravilo reads them
QString ValueText(const QString& raw) {
    QString text;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('\\') && i + 1 < raw.size() && raw[i + 1] == QLatin1Char('n')) {
            text += QLatin1Char('\n');
            ++i;
        } else {
            text += c == QLatin1Char('\r') || c == QLatin1Char('\n') ? QChar(QLatin1Char(' ')) : c;
        }
    }
    return text;
}

bool Read(const QString& path, TFile& file, QString& error) {
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, source.errorString());
        return false;
    }
    QByteArrayList raw;
    TItlReader reader(source);
    QByteArrayView record;
    while (reader.NextRecord(record)) raw.append(record.toByteArray());
    const TTextEncoding encoding = reader.IsUtf8() ? TTextEncoding::teUtf8 : TTextEncoding::teWindows1252;
    QByteArray key;
    for (const QByteArray& bytes : raw) {
        const qsizetype open = bytes.indexOf('[');
        const TItlRecord parts = TItlRecord::Parse(bytes);
        TRecord entry;
        for (const QByteArray& line : bytes.left(qMax<qsizetype>(open, 0)).split('\n'))
            if (line.trimmed().startsWith('#'))
                entry.Notes.append(TTextCodec::Decode(line.trimmed().mid(1).trimmed(), encoding));
        entry.Key = TTextCodec::Decode(parts.RawKey.toByteArray(), encoding);
        for (QChar& c : entry.Key)
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
                c = QLatin1Char(' ');
        entry.Value = ValueText(TTextCodec::Decode(parts.RawValue.toByteArray(), encoding));
        if (entry.Key.isEmpty()) continue;  // nothing a translator could find again
        TItlText::NormaliseKey(parts.RawKey, key);
        if (!file.Index.contains(key)) file.Index.insert(key, file.Records.size());
        file.Records.append(entry);
    }
    return true;
}

QByteArray Quoted(const QString& text) {
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + '"';
}

// "msgid" and the like: texts with line breaks go one line each, as gettext's tools write them
QByteArray Field(const char* name, const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() == 1) return QByteArray(name) + ' ' + Quoted(text) + '\n';
    QByteArray out = QByteArray(name) + " \"\"\n";
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i] + (i + 1 < lines.size() ? QStringLiteral("\n") : QString());
        if (!line.isEmpty()) out += Quoted(line) + '\n';
    }
    return out;
}

QString LanguageCode(const QString& path) {
    const QString base = QFileInfo(path).completeBaseName();
    return base.startsWith(QLatin1String("gravilo_")) ? base.mid(8) : base;
}

QString Header(const QString& language, const QString& plural) {
    return QStringLiteral(
               "Project-Id-Version: Gravilo 1.0\nLanguage: %1\nMIME-Version: 1.0\n"
               "Content-Type: text/plain; charset=UTF-8\nContent-Transfer-Encoding: 8bit\nPlural-Forms: %2\n")
        .arg(language, plural);
}

bool Write(const TFile& english, const TFile* translated, const QString& language, QByteArray& po) {
    const auto find = [](const TFile& file, const QString& key) -> const TRecord* {
        QByteArray normal;
        TItlText::NormaliseKey(key.toUtf8(), normal);
        const auto at = file.Index.constFind(normal);
        return at == file.Index.constEnd() ? nullptr : &file.Records[*at];
    };
    const TFile& order = translated ? *translated : english;
    const TRecord* rule = translated ? find(*translated, PluralKey) : nullptr;
    po = "# Gravilo's texts";
    po += translated ? " in " + language.toUtf8() + ".\n" : ", the template of every language.\n";
    po += "msgid \"\"\n" +
          Field("msgstr", Header(language, rule ? rule->Value
                                                : QStringLiteral("nplurals=INTEGER; plural=EXPRESSION;")));
    for (const TRecord& record : order.Records) {
        const TRecord* source = find(english, record.Key);
        po += '\n';
        if (source)
            for (const QString& note : source->Notes) po += "#. " + note.toUtf8() + '\n';
        if (translated && translated != &english)
            for (const QString& note : record.Notes) po += "# " + note.toUtf8() + '\n';
        po += Field("msgctxt", record.Key);
        const QString englishText = source ? source->Value : record.Key;
        const QString text = translated ? record.Value : QString();
        if (englishText.contains(Separator)) {
            const QStringList forms = englishText.split(Separator);
            po += Field("msgid", forms.first()) + Field("msgid_plural", forms.value(1, forms.first()));
            const QStringList each = translated ? text.split(Separator) : QStringList(QString());
            for (qsizetype i = 0; i < qMax<qsizetype>(each.size(), translated ? 1 : 2); ++i)
                po += Field(QStringLiteral("msgstr[%1]").arg(i).toLatin1().constData(), each.value(i));
        } else {
            po += Field("msgid", englishText) + Field("msgstr", text);
        }
    }
    return true;
}

// ---- reading a .po ----

struct TEntry {
    int Line = 0;
    QStringList Notes, Extracted;
    bool Fuzzy = false, Obsolete = false, HasContext = false;
    QString Context, Id;
    QStringList Strings;  // msgstr, or msgstr[0], [1], ...
};

bool Unquote(const QByteArray& text, QString& out) {
    const QByteArray t = text.trimmed();
    if (t.size() < 2 || !t.startsWith('"') || !t.endsWith('"')) return false;
    QByteArray bytes;
    for (qsizetype i = 1; i + 1 < t.size(); ++i) {
        if (t[i] != '\\') {
            bytes += t[i];
            continue;
        }
        if (++i + 1 > t.size() - 1) return false;
        switch (t[i]) {
            case 'n':
                bytes += '\n';
                break;
            case 'r':
                bytes += '\r';
                break;
            case 't':
                bytes += '\t';
                break;
            case '\\':
                bytes += '\\';
                break;
            case '"':
                bytes += '"';
                break;
            default:
                return false;
        }
    }
    out += QString::fromUtf8(bytes);
    return true;
}

bool Parse(const QByteArray& po, QList<TEntry>& entries, QString& error) {
    TEntry entry;
    QString* target = nullptr;  // where a continued string goes
    QString ignored;            // msgid_plural: the English text again
    bool seenId = false;
    const auto finish = [&] {
        if (seenId) entries.append(entry);
        entry = TEntry();
        target = nullptr;
        seenId = false;
    };
    const QByteArrayList lines = po.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QByteArray line = lines[n].trimmed();
        const auto fail = [&](const char* reason) {
            error = QStringLiteral("line %1: %2").arg(n + 1).arg(QLatin1String(reason));
            return false;
        };
        if (line.isEmpty()) continue;
        if (line.startsWith('#')) {
            if (!entry.Strings.isEmpty()) finish();
            if (line.startsWith("#~"))
                entry.Obsolete = true;
            else if (line.startsWith("#."))
                entry.Extracted.append(QString::fromUtf8(line.mid(2).trimmed()));
            else if (line.startsWith("#,"))
                entry.Fuzzy = entry.Fuzzy || line.contains("fuzzy");
            else if (line.startsWith("# ") || line == "#")
                entry.Notes.append(QString::fromUtf8(line.mid(2)));
            continue;
        }
        if (line.startsWith('"')) {
            if (!target || !Unquote(line, *target))
                return fail("a string that belongs to nothing or is not quoted");
            continue;
        }
        const qsizetype space = line.indexOf(' ');
        const QByteArray keyword = line.left(space);
        if ((keyword == "msgctxt" || keyword == "msgid") &&
            (seenId || (entry.HasContext && keyword == "msgctxt")))
            finish();
        if (entry.Line == 0) entry.Line = n + 1;
        if (keyword == "msgctxt") {
            entry.HasContext = true;
            target = &entry.Context;
        } else if (keyword == "msgid") {
            seenId = true;
            target = &entry.Id;
        } else if (keyword == "msgid_plural") {
            target = &ignored;
        } else if (keyword == "msgstr" || keyword.startsWith("msgstr[")) {
            entry.Strings.append(QString());
            target = &entry.Strings.last();
        } else {
            return fail("an unknown keyword");
        }
        target->clear();
        if (space < 0 || !Unquote(line.mid(space + 1), *target)) return fail("a string that is not quoted");
    }
    finish();
    return true;
}

}  // namespace

bool Export(const QString& englishFile, const QString& languageFile, QByteArray& po, QString& error) {
    TFile english, translated;
    if (!Read(englishFile, english, error) || !Read(languageFile, translated, error)) return false;
    const bool same =
        QFileInfo(englishFile).canonicalFilePath() == QFileInfo(languageFile).canonicalFilePath();
    return Write(english, same ? &english : &translated, LanguageCode(languageFile), po);
}

bool Template(const QString& englishFile, QByteArray& pot, QString& error) {
    TFile english;
    return Read(englishFile, english, error) && Write(english, nullptr, QString(), pot);
}

bool Import(const QByteArray& po, QByteArray& itl, QString& error) {
    QList<TEntry> entries;
    if (!Parse(po, entries, error)) return false;
    QString plural, language;
    for (const TEntry& entry : entries) {
        if (entry.HasContext || !entry.Id.isEmpty() || entry.Strings.isEmpty()) continue;
        for (const QString& field : entry.Strings.first().split(QLatin1Char('\n'))) {
            if (field.startsWith(QLatin1String("Plural-Forms:"))) plural = field.mid(13).trimmed();
            if (field.startsWith(QLatin1String("Language:"))) language = field.mid(9).trimmed();
        }
    }
    const bool english = language == QLatin1String("en");
    itl.clear();
    for (const TEntry& entry : entries) {
        if (!entry.HasContext || entry.Obsolete || entry.Fuzzy) continue;
        QString value = entry.Strings.join(Separator);
        if (entry.Context == PluralKey && !plural.isEmpty() && !plural.contains(QLatin1String("INTEGER")))
            value = plural;
        bool translated = false;
        for (const QString& form : entry.Strings) translated = translated || !form.isEmpty();
        if (!translated) continue;
        const auto fail = [&](const char* reason) {
            error = QStringLiteral("line %1: %2").arg(entry.Line).arg(QLatin1String(reason));
            return false;
        };
        if (entry.Context.contains(QLatin1String("]=")) || entry.Context.contains(QLatin1String("|$$")))
            return fail("the key holds \"]=\" or \"|$$\"");
        if (value.contains(QLatin1String("|$$"))) return fail("the text holds \"|$$\", which ends a record");
        for (const QString& note : (english ? entry.Extracted : QStringList()) + entry.Notes)
            if (note.contains(QLatin1Char('[')) || note.contains(QLatin1String("|$$")) ||
                note.contains(QLatin1Char('\n')))
                return fail("a note holds \"[\", \"|$$\" or a line break");
        for (const QString& note : (english ? entry.Extracted : QStringList()) + entry.Notes)
            itl += "# " + note.toUtf8() + "\r\n";
        QString raw = value;
        raw.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        raw.replace(QLatin1Char('\r'), QLatin1Char(' '));
        itl += '[' + entry.Context.toUtf8() + "]=" + raw.toUtf8() + "|$$\r\n";
    }
    return true;
}

}  // namespace ItlPo
