#include "VelLanguageTable.h"

namespace {

struct LanguageRow
{
    const char *twoLetter;     // empty for rows without an ISO 639-1 code
    const char *threeLetter1;
    const char *threeLetter2;
    const char *englishName;
};

// Fixed order: lookups take the first matching row.
const LanguageRow kLanguages[] = {
    {"aa", "aar", "aar", "Afar"},
    {"ab", "abk", "abk", "Abkhazian"},
    {"af", "afr", "afr", "Afrikaans"},
    {"sq", "sqi", "alb", "Albanian"},
    {"am", "amh", "amh", "Amharic"},
    {"ar", "ara", "ara", "Arabic"},
    {"hy", "hye", "arm", "Armenian"},
    {"as", "asm", "asm", "Assamese"},
    {"ae", "ave", "ave", "Avestan"},
    {"ay", "aym", "aym", "Aymara"},
    {"az", "aze", "aze", "Azerbaijani"},
    {"ba", "bak", "bak", "Bashkir"},
    {"eu", "eus", "baq", "Basque"},
    {"be", "bel", "bel", "Belarusian"},
    {"bn", "ben", "ben", "Bengali"},
    {"bh", "bih", "bih", "Bihari"},
    {"bi", "bis", "bis", "Bislama"},
    {"bs", "bos", "bos", "Bosnian"},
    {"br", "bre", "bre", "Breton"},
    {"bg", "bul", "bul", "Bulgarian"},
    {"my", "mya", "bur", "Burmese"},
    {"ca", "cat", "cat", "Catalan"},
    {"ch", "cha", "cha", "Chamorro"},
    {"ce", "che", "che", "Chechen"},
    {"zh", "zho", "chi", "Chinese"},
    {"cu", "chu", "chu", "Church Slavic"},
    {"cv", "chv", "chv", "Chuvash"},
    {"kw", "cor", "cor", "Cornish"},
    {"co", "cos", "cos", "Corsican"},
    {"cs", "ces", "cze", "Czech"},
    {"da", "dan", "dan", "Danish"},
    {"nl", "nld", "dut", "Dutch"},
    {"dz", "dzo", "dzo", "Dzongkha"},
    {"en", "eng", "eng", "English"},
    {"eo", "epo", "epo", "Esperanto"},
    {"et", "est", "est", "Estonian"},
    {"fo", "fao", "fao", "Faroese"},
    {"fj", "fij", "fij", "Fijian"},
    {"fi", "fin", "fin", "Finnish"},
    {"fr", "fra", "fre", "French"},
    {"fy", "fry", "fry", "Frisian"},
    {"ka", "kat", "geo", "Georgian"},
    {"de", "deu", "ger", "German"},
    {"gd", "gla", "gla", "Gaelic (Scots)"},
    {"ga", "gle", "gle", "Irish"},
    {"gl", "glg", "glg", "Gallegan"},
    {"gv", "glv", "glv", "Manx"},
    {"el", "gre", "ell", "Greek, Modern ()"},
    {"gn", "grn", "grn", "Guarani"},
    {"gu", "guj", "guj", "Gujarati"},
    {"he", "heb", "heb", "Hebrew"},
    {"hz", "her", "her", "Herero"},
    {"hi", "hin", "hin", "Hindi"},
    {"ho", "hmo", "hmo", "Hiri Motu"},
    {"hu", "hun", "hun", "Hungarian"},
    {"is", "isl", "ice", "Icelandic"},
    {"iu", "iku", "iku", "Inuktitut"},
    {"ie", "ile", "ile", "Interlingue"},
    {"ia", "ina", "ina", "Interlingua"},
    {"id", "ind", "ind", "Indonesian"},
    {"ik", "ipk", "ipk", "Inupiaq"},
    {"it", "ita", "ita", "Italian"},
    {"jv", "jaw", "jav", "Javanese"},
    {"ja", "jpn", "jpn", "Japanese"},
    {"kl", "kal", "kal", "Kalaallisut (Greenlandic)"},
    {"kn", "kan", "kan", "Kannada"},
    {"ks", "kas", "kas", "Kashmiri"},
    {"kk", "kaz", "kaz", "Kazakh"},
    {"km", "khm", "khm", "Khmer"},
    {"ki", "kik", "kik", "Kikuyu"},
    {"rw", "kin", "kin", "Kinyarwanda"},
    {"ky", "kir", "kir", "Kirghiz"},
    {"kv", "kom", "kom", "Komi"},
    {"ko", "kor", "kor", "Korean"},
    {"kj", "kua", "kua", "Kuanyama"},
    {"ku", "kur", "kur", "Kurdish"},
    {"lo", "lao", "lao", "Lao"},
    {"la", "lat", "lat", "Latin"},
    {"lv", "lav", "lav", "Latvian"},
    {"ln", "lin", "lin", "Lingala"},
    {"lt", "lit", "lit", "Lithuanian"},
    {"lb", "ltz", "ltz", "Letzeburgesch"},
    {"mk", "mkd", "mac", "Macedonian"},
    {"mh", "mah", "mah", "Marshall"},
    {"ml", "mal", "mal", "Malayalam"},
    {"mi", "mri", "mao", "Maori"},
    {"mr", "mar", "mar", "Marathi"},
    {"ms", "msa", "may", "Malay"},
    {"mg", "mlg", "mlg", "Malagasy"},
    {"mt", "mlt", "mlt", "Maltese"},
    {"mo", "mol", "mol", "Moldavian"},
    {"mn", "mon", "mon", "Mongolian"},
    {"na", "nau", "nau", "Nauru"},
    {"nv", "nav", "nav", "Navajo"},
    {"nr", "nbl", "nbl", "Ndebele, South"},
    {"nd", "nde", "nde", "Ndebele, North"},
    {"ng", "ndo", "ndo", "Ndonga"},
    {"ne", "nep", "nep", "Nepali"},
    {"no", "nor", "nor", "Norwegian"},
    {"nn", "nno", "nno", "Norwegian Nynorsk"},
    {"nb", "nob", "nob", "Norwegian Bokmaal"},
    {"ny", "nya", "nya", "Chichewa; Nyanja"},
    {"oc", "oci", "oci", "Occitan (post 1500); Provencal"},
    {"or", "ori", "ori", "Oriya"},
    {"om", "orm", "orm", "Oromo"},
    {"od", "osd", "osd", "On Screen Display"},
    {"os", "oss", "oss", "Ossetian; Ossetic"},
    {"pa", "pan", "pan", "Panjabi"},
    {"fa", "fas", "per", "Persian"},
    {"pi", "pli", "pli", "Pali"},
    {"pl", "pol", "pol", "Polish"},
    {"pt", "por", "por", "Portuguese"},
    {"ps", "pus", "pus", "Pushto"},
    {"qu", "que", "que", "Quechua"},
    {"", "qaa", "qaa", "Original audio"},
    {"rm", "roh", "roh", "Raeto-Romance"},
    {"ro", "ron", "rum", "Romanian"},
    {"rn", "run", "run", "Rundi"},
    {"ru", "rus", "rus", "Russian"},
    {"sg", "sag", "sag", "Sango"},
    {"sa", "san", "san", "Sanskrit"},
    {"sr", "srp", "scc", "Serbian"},
    {"hr", "hrv", "scr", "Croatian"},
    {"si", "sin", "sin", "Sinhalese"},
    {"sk", "slk", "slo", "Slovak"},
    {"sl", "slv", "slv", "Slovenian"},
    {"se", "sme", "sme", "Northern Sami"},
    {"sm", "smo", "smo", "Samoan"},
    {"sn", "sna", "sna", "Shona"},
    {"sd", "snd", "snd", "Sindhi"},
    {"so", "som", "som", "Somali"},
    {"st", "sot", "sot", "Sotho, Southern"},
    {"es", "spa", "spa", "Spanish"},
    {"sc", "srd", "srd", "Sardinian"},
    {"ss", "ssw", "ssw", "Swati"},
    {"su", "sun", "sun", "Sundanese"},
    {"sw", "swa", "swa", "Swahili"},
    {"sv", "swe", "swe", "Swedish"},
    {"ty", "tah", "tah", "Tahitian"},
    {"ta", "tam", "tam", "Tamil"},
    {"tt", "tat", "tat", "Tatar"},
    {"te", "tel", "tel", "Telugu"},
    {"tg", "tgk", "tgk", "Tajik"},
    {"tl", "tgl", "tgl", "Tagalog"},
    {"th", "tha", "tha", "Thai"},
    {"bo", "bod", "tib", "Tibetan"},
    {"ti", "tir", "tir", "Tigrinya"},
    {"to", "ton", "ton", "Tonga (Tonga Islands)"},
    {"tn", "tsn", "tsn", "Tswana"},
    {"ts", "tso", "tso", "Tsonga"},
    {"tr", "tur", "tur", "Turkish"},
    {"tk", "tuk", "tuk", "Turkmen"},
    {"tw", "twi", "twi", "Twi"},
    {"ug", "uig", "uig", "Uighur"},
    {"uk", "ukr", "ukr", "Ukrainian"},
    {"ur", "urd", "urd", "Urdu"},
    {"uz", "uzb", "uzb", "Uzbek"},
    {"vi", "vie", "vie", "Vietnamese"},
    {"vo", "vol", "vol", "Volapuk"},
    {"cy", "cym", "wel", "Welsh"},
    {"wo", "wol", "wol", "Wolof"},
    {"xh", "xho", "xho", "Xhosa"},
    {"yi", "yid", "yid", "Yiddish"},
    {"yo", "yor", "yor", "Yoruba"},
    {"za", "zha", "zha", "Zhuang"},
    {"zu", "zul", "zul", "Zulu"},
};

} // namespace

QString VelLanguageTable::englishName(const QByteArray &code)
{
    if (code.size() == 2) {
        for (const LanguageRow &row : kLanguages) {
            if (code == row.twoLetter)
                return QString::fromUtf8(row.englishName);
        }
        return QString();
    }
    if (code.size() == 3) {
        if (code.toLower() == "und")
            return QStringLiteral("Undefined");
        for (const LanguageRow &row : kLanguages) {
            if (code == row.threeLetter1)
                return QString::fromUtf8(row.englishName);
        }
        for (const LanguageRow &row : kLanguages) {
            if (code == row.threeLetter2)
                return QString::fromUtf8(row.englishName);
        }
    }
    return QString();
}

int VelLanguageTable::rowCount()
{
    return int(sizeof(kLanguages) / sizeof(kLanguages[0]));
}
