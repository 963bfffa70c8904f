// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QIODevice>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

#include "TItlEntries.h"
#include "TTextCodec.h"
#include "gravilo_translation_export.h"

struct TPropInfo;

/// TGlossator: the translation dictionary. It maps translation keys (the English texts that stand in
/// the forms behind the prefix "GL_") to the texts of one language, read from a language file of
/// records "[" key "]=" value "|$$". It answers single lookups and walks forms to replace every
/// marked text.
///
/// Keys and values are bytes, as the file holds them; lookups compare them byte for byte after
/// turning A-Z into a-z. The dictionary's Encoding says how those bytes become text: UTF-8 when the
/// loaded file is valid UTF-8 (and before any load), Windows-1252 otherwise. The form walk and
/// TranslateText decode there, so a form property always receives a proper QString.
///
/// With AutoCreateItlFile on, keys that were looked up and not found are collected, and when the
/// dictionary is destroyed they are written together with every loaded entry to a new language
/// file, so that a translator only has to fill in the values.
///
/// Form walk. Components are QObjects; the components an object owns are its children, in creation
/// order. Published properties are the Q_PROPERTY declarations of the object's class and its
/// bases. The walk changes:
///   - QString properties but objectName and "Name", whose value begins with "GL_";
///   - lines of QStringList properties that begin with "GL_", from the last line to the first;
///   - through object-valued properties (a QObject-derived pointer): the items of a collection and
///     the properties of a chart's scale-properties object.
///
/// A collection is an object whose class is, or derives from, a class named "TCollection"; it shows
/// its items through two invokable methods:
///
///       Q_INVOKABLE int Count() const;
///       Q_INVOKABLE QObject* Item(int index) const;
///
/// A scale-properties object is one whose class is, or derives from, a class named "TScaleProps".
/// Every other object a property refers to (fonts, date/time label settings, cross-hairs, text
/// labels, other components) is left alone, and so are the settings objects of that kind that a
/// component keeps among its children: they are not components of their own.
class GRAVILO_TRANSLATION_EXPORT TGlossator {
public:
    /// Called after every successful lookup with the key as passed in; it may change the translation.
    using TKeyTranslatedEvent =
        std::function<void(TGlossator& sender, const QByteArray& key, QByteArray& translation)>;
    /// Asked before the properties of one object are translated; setting translate to false skips
    /// them (the components the object owns are still visited).
    using TTranslateObjectEvent = std::function<void(TGlossator& sender, QObject* object, bool& translate)>;
    /// Told of every text property the form walk is about to replace, with the value it had (a
    /// string, or the whole string list), so that it can be put back for a walk in another language.
    using TTextReplacedEvent =
        std::function<void(QObject* object, const char* property, const QVariant& original)>;

    /// An empty dictionary; appName replaces "<%APPNAME%>" in the values as they are loaded.
    explicit TGlossator(const QByteArray& appName = {});
    /// With AutoCreateItlFile on, writes the missing-keys file (see ItlFilePath); when it cannot be
    /// written, a line on the standard error output says so.
    ~TGlossator();
    TGlossator(const TGlossator&) = delete;
    TGlossator& operator=(const TGlossator&) = delete;

    /// Replaces the keys and values (not the missing entries) by the records of the stream, read
    /// from its start; the stream is left at its end. The stream must be open for reading in binary
    /// mode and allow random access (a file, a buffer); the caller keeps it. Raises EReadError
    /// when it cannot be read; the dictionary is then empty. After a load Encoding() is the file's.
    void LoadFromStream(QIODevice& stream);

    /// The translation of key, with "<%1%>", "<%2%>", ... filled by the arguments. A key without
    /// an entry translates to its entry in the fallback dictionary, where one is set and has it
    /// (still recorded as missing here), else to itself. Letter case A-Z of key does not matter.
    void Translate(const QByteArray& key, const QByteArrayList& arguments, QByteArray& translation);
    /// The same, the translation returned.
    QByteArray Translate(const QByteArray& key, const QByteArrayList& arguments = {});
    /// The same for text: key and arguments are encoded, the translation decoded, in Encoding().
    /// In a Windows-1252 dictionary a character that code page lacks comes back as "?".
    QString TranslateText(const QString& key, const QStringList& arguments = {});

    /// The translation of a text that speaks of count things ("<%3%> marks"). Its value holds one
    /// form per plural form of its language, separated by "<%|%>" ("<%1%> mark<%|%><%1%> marks"),
    /// in the order of the rule the same file gives under "$pluralforms$" in gettext's notation
    /// (TPluralRule; without one, English's "nplurals=2; plural=(n != 1);"). The form for count is
    /// filled with the arguments; a value with fewer forms than its rule gives its last one.
    QString TranslateCount(const QString& key, qint64 count, const QStringList& arguments = {});
    /// What separates the plural forms in a value (see TranslateCount).
    static constexpr const char* KPluralSeparator = "<%|%>";

    /// Translates the component's marked texts, then those of every component it owns, depth first.
    void TranslateComponent(QObject* component);
    /// Translates the marked texts of one object (a component, a collection item, a scale-properties
    /// object) and of the collections and scale-properties objects its properties refer to.
    void TranslateObject(QObject* object);

    /// The prefix that marks a form text as a translation key: "GL_".
    const QByteArray& KeyPrefix() const { return FKeyPrefix; }
    /// The program name that replaces "<%APPNAME%>" in the values (given to the constructor).
    const QByteArray& AppName() const { return FAppName; }

    /// Whether keys not found are collected and written to the missing-keys file when the
    /// dictionary is destroyed; off by default.
    bool AutoCreateItlFile() const { return FAutoCreateItlFile; }
    /// Switches the collecting of keys not found on or off (see AutoCreateItlFile).
    void SetAutoCreateItlFile(bool value) { FAutoCreateItlFile = value; }

    /// One record line per key that was looked up and not found while AutoCreateItlFile was on, in
    /// the order first missed; a key is recorded once whatever its letter case. Letter case is that
    /// of the text the key's bytes show in either encoding (TTextCodec::DecodeLenient), so it does
    /// not depend on the file loaded in between.
    const QByteArrayList& MissingEntries() const { return FMissingEntries; }

    /// The normalised keys in file order; entry i belongs to entry i of Values(). A copy, made on
    /// each call.
    QByteArrayList Keys() const;
    /// The processed values in file order; entry i belongs to entry i of Keys(). A copy, made on
    /// each call.
    QByteArrayList Values() const;
    /// The number of entries loaded, every record of the file counted.
    qsizetype EntryCount() const { return FEntries.Count(); }

    /// How the keys' and values' bytes become text: UTF-8 when the loaded file is valid UTF-8 (and
    /// before any load), Windows-1252 otherwise.
    TTextEncoding Encoding() const { return FEncoding; }
    /// bytes as text in Encoding() (see TTextCodec::Decode).
    QString Decode(const QByteArray& bytes) const { return TTextCodec::Decode(bytes, FEncoding); }
    /// text as bytes in Encoding(); in Windows-1252 a character that code page lacks becomes "?".
    QByteArray Encode(const QString& text) const { return TTextCodec::Encode(text, FEncoding); }

    /// The folder of the missing-keys file; empty (the default) for the working directory of the
    /// moment of writing.
    QString ItlFileDirectory() const { return FItlFileDirectory; }
    /// Sets the folder of the missing-keys file (see ItlFileDirectory).
    void SetItlFileDirectory(const QString& directory) { FItlFileDirectory = directory; }
    /// Where the missing-keys file goes: the program's file name with the extension "itl"
    /// (TItlFile::NameFor) in ItlFileDirectory, or in the working directory of the moment of
    /// writing while ItlFileDirectory is empty.
    QString ItlFilePath() const;

    /// The dictionary that answers for keys this one lacks: the texts of another language (English
    /// behind a translation that is not yet complete). Its own fallback is not asked. It stays set
    /// when a new file is loaded; none by default.
    std::shared_ptr<const TGlossator> Fallback() const { return FFallback; }
    /// Sets the fallback dictionary (see Fallback); null for none. The dictionary itself as its own
    /// fallback is never asked.
    void SetFallback(std::shared_ptr<const TGlossator> fallback) { FFallback = std::move(fallback); }

    /// The handler called after every successful lookup; none by default.
    TKeyTranslatedEvent OnKeyTranslated() const { return FOnKeyTranslated; }
    /// Sets the handler called after every successful lookup (see TKeyTranslatedEvent).
    void SetOnKeyTranslated(TKeyTranslatedEvent handler) { FOnKeyTranslated = std::move(handler); }
    /// The handler asked before each object's properties are translated; none by default.
    TTranslateObjectEvent OnTranslateObject() const { return FOnTranslateObject; }
    /// Sets the handler asked before each object's properties are translated (see
    /// TTranslateObjectEvent).
    void SetOnTranslateObject(TTranslateObjectEvent handler) { FOnTranslateObject = std::move(handler); }
    /// The handler told of every text property the form walk replaces; none by default.
    TTextReplacedEvent OnTextReplaced() const { return FOnTextReplaced; }
    /// Sets the handler told of every text property the form walk replaces (see TTextReplacedEvent).
    void SetOnTextReplaced(TTextReplacedEvent handler) { FOnTextReplaced = std::move(handler); }

private:
    void RecordMissing(const QByteArray& key);
    // The fallback's value for key (bytes of this dictionary's encoding) in value; false when
    // there is no fallback or it lacks the key too.
    bool FallbackValue(const QByteArray& key, QByteArray& value) const;
    void WriteItlFile();

    bool StartsWithPrefix(const QString& text) const;
    void TranslateStringProperty(QObject* object, const TPropInfo& property);
    void TranslateStringListProperty(QObject* object, const TPropInfo& property);
    void TranslateObjectProperty(QObject* object, const TPropInfo& property);

    TKeyTranslatedEvent FOnKeyTranslated;
    TTranslateObjectEvent FOnTranslateObject;
    TTextReplacedEvent FOnTextReplaced;
    TItlEntries FEntries;
    QByteArray FKeyPrefix = "GL_";
    QByteArrayList FMissingEntries;
    QSet<QString> FMissingFolded;  // the keys of the missing entries, case-folded
    bool FAutoCreateItlFile = false;
    QByteArray FAppName;
    TTextEncoding FEncoding = TTextEncoding::teUtf8;
    QString FItlFileDirectory;
    std::shared_ptr<const TGlossator> FFallback;
};
