#include "PlistDocument.h"

#include <QFile>
#include <QSaveFile>

#include <cstdlib>

namespace {

// Preset lists and bundle lists are a few hundred kilobytes; anything far
// larger is not a property list of ours.
constexpr qint64 kMaxPlistBytes = 64 * 1024 * 1024;

struct MallocFree {
    void operator()(char *p) const { std::free(p); }
};
using MallocText = std::unique_ptr<char, MallocFree>;

} // namespace

bool PlistDocument::load(const QString &path)
{
    reset();
    QFile file(path);
    if (!file.exists()) {
        m_error = QStringLiteral("Property list %1 does not exist").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("Cannot read property list %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > kMaxPlistBytes) {
        m_error = QStringLiteral("Property list %1 is too large (%2 bytes)").arg(path).arg(file.size());
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = QStringLiteral("Cannot read property list %1: %2").arg(path, file.errorString());
        return false;
    }
    return loadFromData(data, path);
}

bool PlistDocument::loadFromData(const QByteArray &data, const QString &origin)
{
    reset();
    const QString name = origin.isEmpty() ? QStringLiteral("(memory)") : origin;
    if (data.isEmpty()) {
        m_error = QStringLiteral("Property list %1 is empty").arg(name);
        return false;
    }
    if (data.size() > kMaxPlistBytes) {
        m_error = QStringLiteral("Property list %1 is too large").arg(name);
        return false;
    }
    const auto length = static_cast<uint32_t>(data.size());
    plist_t node = nullptr;
    if (plist_is_binary(data.constData(), length)) {
        plist_from_bin(data.constData(), length, &node);
        m_sourceFormat = Format::Binary;
    } else {
        plist_from_xml(data.constData(), length, &node);
        m_sourceFormat = Format::Xml;
    }
    if (!node) {
        m_error = QStringLiteral("Property list %1 is malformed: not a valid %2 property list")
                      .arg(name, m_sourceFormat == Format::Binary ? QStringLiteral("binary")
                                                                  : QStringLiteral("XML"));
        return false;
    }
    m_root.reset(node);
    m_error.clear();
    return true;
}

QByteArray PlistDocument::toData(Format format) const
{
    if (!m_root)
        return {};
    char *raw = nullptr;
    uint32_t length = 0;
    if (format == Format::Binary)
        plist_to_bin(root(), &raw, &length);
    else
        plist_to_xml(root(), &raw, &length);
    MallocText text(raw);
    if (!text || length == 0)
        return {};
    return QByteArray(text.get(), static_cast<int>(length));
}

bool PlistDocument::save(const QString &path, Format format) const
{
    if (!m_root) {
        m_error = QStringLiteral("Nothing to write to %1: the property list is empty").arg(path);
        return false;
    }
    const QByteArray data = toData(format);
    if (data.isEmpty()) {
        m_error = QStringLiteral("Cannot encode the property list for %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("Cannot write property list %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(data) != data.size() || !file.commit()) {
        m_error = QStringLiteral("Cannot write property list %1: %2").arg(path, file.errorString());
        return false;
    }
    m_error.clear();
    return true;
}

void PlistDocument::reset(plist_t root)
{
    m_root.reset(root);
    m_sourceFormat = Format::Xml;
    m_error.clear();
}

PlistDocument PlistDocument::newDictionary()
{
    PlistDocument doc;
    doc.reset(plist_new_dict());
    return doc;
}

bool PlistDocument::isDict(plist_t node)
{
    return node && plist_get_node_type(node) == PLIST_DICT;
}

bool PlistDocument::isArray(plist_t node)
{
    return node && plist_get_node_type(node) == PLIST_ARRAY;
}

plist_t PlistDocument::dictItem(plist_t dict, const char *key)
{
    if (!isDict(dict) || !key)
        return nullptr;
    return plist_dict_get_item(dict, key);
}

std::string PlistDocument::stringValue(plist_t node)
{
    if (!node)
        return {};
    // Lists hand-edited with <integer>, <real> or <true/> still read as text.
    switch (plist_get_node_type(node)) {
    case PLIST_STRING:
        break;
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return std::to_string(value);
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return QString::number(value, 'g', 15).toStdString();
    }
    case PLIST_BOOLEAN:
        return plist_bool_val_is_true(node) ? "1" : "0";
    default:
        return {};
    }
    uint64_t length = 0;
    const char *text = plist_get_string_ptr(node, &length);
    if (!text)
        return {};
    return std::string(text, static_cast<size_t>(length));
}

uint32_t PlistDocument::arraySize(plist_t array)
{
    return isArray(array) ? plist_array_get_size(array) : 0;
}

plist_t PlistDocument::arrayItem(plist_t array, uint32_t index)
{
    if (index >= arraySize(array))
        return nullptr;
    return plist_array_get_item(array, index);
}
