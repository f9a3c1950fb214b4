#include "QPlistRead.h"
#include "SettingsLog.h"

#include <QDebug>

QPlistRead *QPlistRead::m_self = nullptr;
QPlistRead *QPlistRead::m_selfLossless = nullptr;

namespace {

const char kAuto[] = "Auto";

plist_t child(plist_t dict, const char *key)
{
    return PlistDocument::dictItem(dict, key);
}

bool hasEntries(plist_t dict)
{
    return PlistDocument::isDict(dict) && plist_dict_get_size(dict) > 0;
}

std::string trimmed(std::string s)
{
    return trim(s);
}

} // namespace

std::string &trim(std::string &s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        s.clear();
        return s;
    }
    s.erase(s.find_last_not_of(' ') + 1);
    s.erase(0, first);
    return s;
}

std::string getDictValue(plist_t dict, const std::string &key)
{
    if (!hasEntries(dict))
        return {};
    const std::string name = key.empty() ? std::string("supports") : key;
    return PlistDocument::stringValue(PlistDocument::dictItem(dict, name.c_str()));
}

QPlistRead *QPlistRead::getPlistRead(const std::string &path)
{
    if (!m_self)
        m_self = new QPlistRead(path);
    return m_self;
}

QPlistRead *QPlistRead::getPlistLosslessRead(const std::string &path)
{
    if (!m_selfLossless)
        m_selfLossless = new QPlistRead(path);
    return m_selfLossless;
}

QPlistRead *QPlistRead::getPlistRead1(const char *data, int64_t length)
{
    Q_UNUSED(data)
    Q_UNUSED(length)
    if (!m_self)
        m_self = new QPlistRead();
    return m_self;
}

QPlistRead::QPlistRead() = default;

QPlistRead::QPlistRead(const std::string &path)
    : m_path(path)
{
    if (!m_document.load(QString::fromStdString(path))) {
        m_error = m_document.errorString();
    } else if (!PlistDocument::isDict(m_document.root())) {
        m_document.reset();
        m_error = QStringLiteral("Property list %1 is malformed: its root is not a dictionary")
                      .arg(QString::fromStdString(path));
    }
    if (!m_error.isEmpty())
        qCWarning(lcSettings).noquote() << "Preset list not loaded, no presets offered:" << m_error;
}

QPlistRead::~QPlistRead()
{
    clearBaseInfoList();
}

plist_t QPlistRead::rootItem(const std::string &key) const
{
    return child(m_document.root(), key.c_str());
}

std::vector<std::string> QPlistRead::getCategories()
{
    m_categories.clear();
    const plist_t names = rootItem("Categories");
    for (uint32_t i = 0; i < PlistDocument::arraySize(names); ++i)
        m_categories.push_back(PlistDocument::stringValue(PlistDocument::arrayItem(names, i)));
    return m_categories;
}

void QPlistRead::clearBaseInfoList()
{
    m_baseInfoList.clear();
    m_baseInfoStore.clear();
}

std::vector<FormatBaseInfo *> *QPlistRead::getCategoriesInfoList(const std::string &category)
{
    clearBaseInfoList();
    if (category.empty())
        return nullptr;
    const plist_t presets = rootItem(category);
    const uint32_t count = PlistDocument::arraySize(presets);
    if (count == 0)
        return nullptr;
    for (uint32_t i = 0; i < count; ++i) {
        const plist_t base = child(PlistDocument::arrayItem(presets, i), "baseinfo");
        auto info = std::make_unique<FormatBaseInfo>();
        info->title = getDictValue(base, "title");
        info->id = getDictValue(base, "id");
        info->ext = getDictValue(base, "ext");
        info->category = category;
        info->icon = getDictValue(base, "icon");
        m_baseInfoList.push_back(info.get());
        m_baseInfoStore.push_back(std::move(info));
    }
    return &m_baseInfoList;
}

plist_t QPlistRead::findPreset(const std::string &category, const std::string &id) const
{
    const plist_t presets = rootItem(category);
    for (uint32_t i = 0; i < PlistDocument::arraySize(presets); ++i) {
        const plist_t preset = PlistDocument::arrayItem(presets, i);
        if (getDictValue(child(preset, "baseinfo"), "id") == id)
            return preset;
    }
    return nullptr;
}

std::string QPlistRead::getFormatInfoForKey(const std::string &category, const std::string &id,
                                            const std::string &key)
{
    if (category.empty() || id.empty())
        return {};
    return getDictValue(child(findPreset(category, id), "baseinfo"), key);
}

std::string QPlistRead::getCodecsForKey(const std::string &code)
{
    if (code == kAuto)
        return kAuto;
    if (code.empty())
        return {};
    const std::string key = code.size() == 3 ? code + ' ' : code;
    const plist_t name = child(rootItem("Codecs"), key.c_str());
    return name ? PlistDocument::stringValue(name) : key;
}

void QPlistRead::analysisTextInfo(const std::string &text, std::vector<std::string> &out)
{
    analysisTextInfo(text, std::string(), out);
}

void QPlistRead::analysisTextInfo(const std::string &text, const std::string &unit,
                                  std::vector<std::string> &out)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        std::string piece = text.substr(start, end - start);
        trim(piece);
        if (piece == "0")
            out.push_back(kAuto);
        else if (!piece.empty())
            out.push_back(piece + unit);
        start = end + 1;
    }
}

void QPlistRead::analysisFilter(const std::string &filter, const std::string &videoEncoder,
                                std::vector<std::string> &out)
{
    if (filter.empty() || videoEncoder.empty())
        return;
    const size_t at = filter.find(videoEncoder);
    if (at == std::string::npos)
        return;
    // The code is followed by one separator character, then its audio codes.
    const size_t from = at + videoEncoder.size() + 1;
    if (from >= filter.size())
        return;
    std::string rest = filter.substr(from);
    rest = rest.substr(0, rest.find('|'));
    analysisTextInfo(rest, out);
}

FormatAllInfo *QPlistRead::GetFormatInfoForPlist(const std::string &category,
                                                 const std::string &id,
                                                 const std::string &videoEncoder,
                                                 const std::string &resolution,
                                                 const std::string &audioEncoder,
                                                 const std::string &channel)
{
    m_formatAllInfo = std::make_unique<FormatAllInfo>();
    FormatAllInfo &info = *m_formatAllInfo;
    if (id.empty() || category.empty())
        return nullptr;

    auto choice = [](const std::string &value) { return value == kAuto ? std::string() : value; };

    if (const plist_t preset = findPreset(category, id)) {
        const plist_t base = child(preset, "baseinfo");
        info.ext = getDictValue(base, "ext");
        info.isAuto = getDictValue(base, "auto") == "1";

        std::string filter;
        fillVideo(preset, choice(videoEncoder), choice(resolution), filter, info);
        fillAudio(preset, choice(audioEncoder), choice(channel), filter, info);
    }
    info.category = category;
    info.id = id;
    return &info;
}

void QPlistRead::fillVideo(plist_t preset, std::string videoEncoder, std::string resolution,
                           std::string &filter, FormatAllInfo &info)
{
    const plist_t encoders = child(preset, "videoencoders");
    info.onlyAudio = !hasEntries(encoders);
    if (info.onlyAudio)
        return;

    if (info.isAuto)
        info.videoEncoderList.push_back(kAuto);
    analysisTextInfo(getDictValue(encoders, "supports"), info.videoEncoderList);
    if (videoEncoder.empty())
        videoEncoder = trimmed(getDictValue(encoders, "default"));
    info.videoEncoder = videoEncoder;
    filter = getDictValue(encoders, "filter");

    if (resolution.empty())
        resolution = getDictValue(child(preset, "resolution"), "default");
    info.resolution = resolution;

    if (info.isAuto)
        info.resolutionList.push_back(kAuto);
    plist_t matched = nullptr;
    const plist_t params = child(preset, "videoparams");
    for (uint32_t i = 0; i < PlistDocument::arraySize(params); ++i) {
        const plist_t entry = PlistDocument::arrayItem(params, i);
        if (trimmed(getDictValue(entry, "fourcc")) != videoEncoder)
            continue;
        const std::string entryResolution = getDictValue(entry, "resolution");
        info.resolutionList.push_back(entryResolution);
        if (!matched || entryResolution == resolution) {
            matched = entry;
            info.resolution = entryResolution;
        }
    }
    if (!matched)
        return;

    const plist_t bitRate = child(matched, "videobitrate");
    info.videoBitRateDefault = getDictValue(bitRate, "default") + " kbps";
    info.videoBitRateLow = getDictValue(bitRate, "low") + " kbps";
    info.videoBitRateHigh = getDictValue(bitRate, "high") + " kbps";
    if (info.isAuto)
        info.videoBitRateList.push_back(kAuto);
    analysisTextInfo(getDictValue(bitRate, "supports"), " kbps", info.videoBitRateList);

    const plist_t frameRate = child(matched, "framerate");
    info.frameRate = getDictValue(frameRate, "default") + " fps";
    if (info.isAuto)
        info.frameRateList.push_back(kAuto);
    analysisTextInfo(getDictValue(frameRate, "supports"), " fps", info.frameRateList);
}

void QPlistRead::fillAudio(plist_t preset, std::string audioEncoder, std::string channel,
                           const std::string &filter, FormatAllInfo &info)
{
    if (!filter.empty()) {
        analysisFilter(filter, info.videoEncoder, info.audioEncoderList);
        if (audioEncoder.empty() && !info.audioEncoderList.empty())
            audioEncoder = trimmed(info.audioEncoderList.front());
    } else {
        const plist_t encoders = child(preset, "audioencoders");
        if (info.isAuto)
            info.audioEncoderList.push_back(kAuto);
        analysisTextInfo(getDictValue(encoders, "supports"), info.audioEncoderList);
        if (audioEncoder.empty())
            audioEncoder = trimmed(getDictValue(encoders, "default"));
    }
    info.audioEncoder = audioEncoder;

    if (channel.empty())
        channel = getDictValue(child(preset, "channels"), "default");
    if (info.isAuto)
        info.channelList.push_back(kAuto);
    plist_t matched = nullptr;
    const plist_t params = child(preset, "audioparams");
    for (uint32_t i = 0; i < PlistDocument::arraySize(params); ++i) {
        const plist_t entry = PlistDocument::arrayItem(params, i);
        if (trimmed(getDictValue(entry, "fourcc")) != audioEncoder)
            continue;
        const std::string entryChannel = getDictValue(entry, "channel");
        info.channelList.push_back(entryChannel);
        if (!matched || entryChannel == channel) {
            matched = entry;
            info.channel = entryChannel;
        }
    }
    if (!matched)
        return;

    const plist_t bitRate = child(matched, "audiobitrate");
    const std::string fallback = getDictValue(bitRate, "default");
    std::string low = getDictValue(bitRate, "low");
    std::string high = getDictValue(bitRate, "high");
    info.audioBitRateDefault = fallback + " kbps";
    info.audioBitRateLow = (low.empty() ? fallback : low) + " kbps";
    info.audioBitRateHigh = (high.empty() ? fallback : high) + " kbps";
    if (info.isAuto)
        info.audioBitRateList.push_back(kAuto);
    analysisTextInfo(getDictValue(bitRate, "supports"), " kbps", info.audioBitRateList);

    const plist_t sampleRate = child(matched, "samplerate");
    info.sampleRate = getDictValue(sampleRate, "default") + " HZ";
    if (info.isAuto)
        info.sampleRateList.push_back(kAuto);
    analysisTextInfo(getDictValue(sampleRate, "supports"), " HZ", info.sampleRateList);
}
