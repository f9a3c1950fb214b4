#pragma once

#include <QString>

#include <memory>
#include <string>

#include <plist/plist.h>

// One property list held in memory: the root node of a libplist tree, freed
// with the tree. Reads XML and binary lists; writes either form through a
// temporary file and an atomic rename, so a failed write never leaves half a file.
class PlistDocument
{
public:
    enum class Format { Xml, Binary };

    PlistDocument() = default;
    PlistDocument(PlistDocument &&) noexcept = default;
    PlistDocument &operator=(PlistDocument &&) noexcept = default;
    PlistDocument(const PlistDocument &) = delete;
    PlistDocument &operator=(const PlistDocument &) = delete;

    // Reads a file. On failure the document stays empty and errorString() says why.
    bool load(const QString &path);
    // Parses XML or binary property-list bytes already in memory.
    bool loadFromData(const QByteArray &data, const QString &origin = QString());
    bool save(const QString &path, Format format) const;
    QByteArray toData(Format format) const;

    // Takes ownership of a tree (a fresh dictionary for a new list).
    void reset(plist_t root = nullptr);
    static PlistDocument newDictionary();

    bool isNull() const { return !m_root; }
    plist_t root() const { return m_root.get(); }
    // Form of the bytes last loaded; Xml for a new document.
    Format sourceFormat() const { return m_sourceFormat; }
    QString errorString() const { return m_error; }

    // Node helpers; every one accepts a null node and answers as "missing".
    static bool isDict(plist_t node);
    static bool isArray(plist_t node);
    static plist_t dictItem(plist_t dict, const char *key);
    // Text of a string node; integers, reals and booleans as their text.
    static std::string stringValue(plist_t node);
    static uint32_t arraySize(plist_t array);
    static plist_t arrayItem(plist_t array, uint32_t index);

private:
    struct NodeFree {
        void operator()(void *node) const { plist_free(static_cast<plist_t>(node)); }
    };
    std::unique_ptr<void, NodeFree> m_root;
    Format m_sourceFormat = Format::Xml;
    mutable QString m_error;
};
