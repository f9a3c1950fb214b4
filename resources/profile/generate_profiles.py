#!/usr/bin/env python3
"""Writes profiles_mac.plist (encoding presets) and profiles_mac_Lossless.plist
(high-speed presets) next to this script.

The preset tables below are the source of truth for the shipped lists; edit
them here and run the script again instead of editing the generated files.
Every value is written as <string>, because the reader reads values as text.
"""
import os
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))

# Video bit rates (low, default, high) in kbps by codec group and resolution.
VIDEO_RATES = {
    "H265": {
        "Original": (2000, 3000, 5000), "3840*2160": (10000, 15000, 20000),
        "1920*1080": (2500, 4000, 6000), "1280*720": (1500, 2000, 3000),
        "854*480": (768, 1000, 1500), "640*480": (768, 1000, 1500),
        "640*360": (512, 768, 1000),
    },
    "H264": {
        "Original": (3000, 5000, 8000), "3840*2160": (20000, 30000, 40000),
        "1920*1080": (4000, 6000, 8000), "1280*720": (2500, 4000, 5000),
        "854*480": (1000, 1500, 2500), "640*480": (1000, 1500, 2500),
        "640*360": (768, 1000, 1500), "352*288": (256, 384, 512),
        "176*144": (64, 96, 128),
    },
    "MPEG4": {
        "Original": (4000, 6000, 8000), "1920*1080": (6000, 8000, 10000),
        "1280*720": (3000, 4000, 6000), "854*480": (1500, 2000, 3000),
        "640*480": (1500, 2000, 3000), "640*360": (1000, 1500, 2000),
        "352*288": (256, 384, 512), "176*144": (64, 96, 128),
    },
    "MPEG2": {
        "Original": (5000, 8000, 12000), "1920*1080": (8000, 10000, 15000),
        "1280*720": (4000, 6000, 8000), "854*480": (2500, 4000, 6000),
        "640*480": (2500, 4000, 6000), "352*288": (256, 384, 512),
    },
}
GROUP = {
    "H265": "H265", "H264": "H264", "VP9": "H264",
    "MP4V": "MPEG4", "VP8": "MPEG4", "WMV1": "MPEG4", "WMV2": "MPEG4",
    "flv1": "MPEG4", "H263": "MPEG4", "OGV": "MPEG4",
    "mp2v": "MPEG2", "mpg1": "MPEG2",
}
LADDER = [64, 96, 128, 192, 256, 384, 512, 768, 1000, 1500, 2000, 2500, 3000, 4000,
          5000, 6000, 8000, 10000, 12000, 15000, 20000, 25000, 30000, 40000, 50000]
H263_SIZES = {"128*96", "176*144", "352*288", "704*576", "1408*1152"}

FRAMES_ANY = ("0", "0,23.976,24,25,29.97,30,50,59.94,60")
FRAMES_3GP = ("15", "0,10,12,15,24,25,29.97,30")

# Audio sets: code, channel, (low, default, high), bit-rate supports,
# sample-rate default (with video, audio only), sample-rate supports.
AUDIO_SETS = {
    "AAC-2": ("AAC", "2", (96, 128, 192), "64,96,128,160,192,256,320", ("48000", "44100"), "22050,32000,44100,48000"),
    "AAC-1": ("AAC", "1", (64, 96, 128), "48,64,96,128,160", ("48000", "44100"), "22050,32000,44100,48000"),
    "AAC-6": ("AAC", "6", (256, 384, 448), "256,320,384,448,512", ("48000", "48000"), "44100,48000"),
    "AAC-1L": ("AAC", "1", (32, 48, 64), "24,32,48,64,96", ("22050", "22050"), "16000,22050,32000,44100"),
    "MP3-2": ("MP3", "2", (128, 192, 320), "64,96,128,160,192,224,256,320", ("44100", "44100"), "22050,32000,44100,48000"),
    "MP3-1": ("MP3", "1", (64, 96, 128), "32,48,64,96,128", ("44100", "44100"), "22050,32000,44100,48000"),
    "AC3-2": ("AC3", "2", (192, 256, 384), "128,160,192,224,256,320,384,448", ("48000", "48000"), "32000,44100,48000"),
    "AC3-6": ("AC3", "6", (384, 448, 640), "384,448,512,576,640", ("48000", "48000"), "32000,44100,48000"),
    "OGG-2": ("OGG", "2", (96, 128, 192), "64,96,128,160,192,224,256,320", ("48000", "44100"), "22050,32000,44100,48000"),
    "MP2A-2": ("MP2A", "2", (128, 192, 256), "128,160,192,224,256,320,384", ("48000", "48000"), "32000,44100,48000"),
    "WMA2-2": ("wma2", "2", (96, 128, 192), "64,96,128,160,192", ("44100", "44100"), "22050,32000,44100,48000"),
    "WMA1-2": ("wma1", "2", (64, 96, 128), "48,64,96,128", ("44100", "44100"), "22050,32000,44100,48000"),
    "PCM-2": ("PCM", "2", (0, 0, 0), "0", ("44100", "44100"), "22050,44100,48000,96000"),
    "PCM-1": ("PCM", "1", (0, 0, 0), "0", ("44100", "44100"), "22050,44100,48000,96000"),
    "FLAC-2": ("flac", "2", (0, 0, 0), "0", ("44100", "44100"), "44100,48000,96000"),
    "FLAC-1": ("flac", "1", (0, 0, 0), "0", ("44100", "44100"), "44100,48000,96000"),
}

FULL_HD = ["1920*1080", "1280*720"]
SURROUND = ["AAC-2", "AAC-6", "AC3-2", "AC3-6"]

# General Video and General Audio presets take the icon of their container
# (the icon key is the extension), so the tiles of a category differ.
# (category, id, title, ext, icon, video codes (default first or marked by
# `vdefault`), resolutions (default first) or per-code lists, audio sets
# (default first), frame-rate set)
def video(cat, pid, title, ext, icon, codes, resolutions, audio, frames=FRAMES_ANY, vdefault=None):
    return dict(cat=cat, id=pid, title=title, ext=ext, icon=icon, codes=codes,
                vdefault=vdefault or codes[0], resolutions=resolutions, audio=audio, frames=frames)

def audio_only(pid, title, ext, sets):
    return dict(cat="General Audio", id=pid, title=title, ext=ext, icon=ext, codes=[],
                vdefault=None, resolutions=None, audio=sets, frames=None)

ENCODING_CATEGORIES = ["Devices", "HD Video", "Web Video", "General Video", "General Audio"]
ENCODING = [
    video("Devices", "4200", "Phone 1080p", "mp4", "phone", ["H264", "H265"], FULL_HD, ["AAC-2"]),
    video("Devices", "4201", "Phone 720p", "mp4", "phone", ["H264"], ["1280*720", "854*480"], ["AAC-2"]),
    video("Devices", "4202", "Tablet 1080p", "mp4", "tablet", ["H264", "H265"], FULL_HD, ["AAC-2"]),
    video("Devices", "4203", "TV 1080p", "mp4", "tv", ["H264", "H265"], FULL_HD, SURROUND),
    video("Devices", "4204", "TV 4K", "mp4", "tv", ["H265", "H264"], ["3840*2160", "1920*1080"], SURROUND),
    video("Devices", "4205", "Basic Phone", "3gp", "basicphone", ["H263", "H264", "MP4V"],
          ["176*144", "352*288"], ["AAC-1L"], frames=FRAMES_3GP),
    video("HD Video", "4300", "HD 1080p MP4", "mp4", "hd", ["H264", "H265"], ["1920*1080"], SURROUND),
    video("HD Video", "4301", "HD 720p MP4", "mp4", "hd", ["H264", "H265"], ["1280*720"], ["AAC-2"]),
    video("HD Video", "4302", "HD 1080p MKV", "mkv", "hd", ["H264", "H265"], ["1920*1080"], SURROUND),
    video("HD Video", "4303", "HD 1080p TS", "ts", "hd", ["H264", "mp2v"], ["1920*1080"],
          ["AAC-2", "AC3-2", "AC3-6", "MP2A-2"]),
    video("HD Video", "4304", "4K MP4", "mp4", "4k", ["H265", "H264"], ["3840*2160"], SURROUND),
    video("Web Video", "4400", "Web 1080p", "mp4", "web", ["H264"], ["1920*1080"], ["AAC-2"]),
    video("Web Video", "4401", "Web 720p", "mp4", "web", ["H264"], ["1280*720"], ["AAC-2"]),
    video("Web Video", "4402", "Web 480p", "mp4", "web", ["H264"], ["854*480", "640*480"], ["AAC-2", "AAC-1"]),
    video("Web Video", "4403", "WebM 720p", "webm", "web", ["VP9", "VP8"], ["1280*720", "854*480"], ["OGG-2"]),
    video("Web Video", "4404", "FLV 360p", "flv", "web", ["flv1", "H264"], ["640*360", "854*480"], ["MP3-2", "AAC-2"]),
    video("General Video", "4000", "MP4", "mp4", "mp4", ["H264", "H265", "MP4V"],
          ["Original", "1920*1080", "1280*720", "854*480", "640*480"],
          ["AAC-2", "AAC-1", "AAC-6", "MP3-2", "MP3-1", "AC3-2", "AC3-6"]),
    video("General Video", "4001", "MOV", "mov", "mov", ["H264", "MP4V"],
          ["Original", "1920*1080", "1280*720", "640*480"], ["AAC-2", "AAC-1", "MP3-2"]),
    video("General Video", "4002", "MKV", "mkv", "mkv", ["H264", "H265", "MP4V", "VP9"],
          ["Original", "1920*1080", "1280*720", "854*480"],
          ["AAC-2", "AAC-6", "MP3-2", "AC3-2", "AC3-6", "OGG-2"]),
    video("General Video", "4003", "AVI", "avi", "avi", ["MP4V", "H264"],
          ["Original", "1280*720", "640*480"], ["MP3-2", "MP3-1", "AC3-2", "MP2A-2"]),
    video("General Video", "4004", "WMV", "wmv", "wmv", ["WMV2", "WMV1"],
          ["Original", "1280*720", "640*480"], ["WMA2-2", "WMA1-2"]),
    video("General Video", "4005", "WebM", "webm", "webm", ["VP9", "VP8"],
          ["Original", "1920*1080", "1280*720", "854*480"], ["OGG-2"]),
    video("General Video", "4006", "MPEG-2", "mpg", "mpg", ["mp2v", "mpg1"],
          {"mp2v": ["Original", "1920*1080", "1280*720", "640*480"],
           "mpg1": ["Original", "640*480", "352*288"]}, ["MP2A-2", "AC3-2"]),
    video("General Video", "4007", "TS", "ts", "ts", ["H264", "H265", "mp2v"],
          ["Original", "1920*1080", "1280*720"], ["AAC-2", "AC3-2", "AC3-6", "MP2A-2"]),
    audio_only("4100", "MP3", "mp3", ["MP3-2", "MP3-1"]),
    audio_only("4101", "M4A", "m4a", ["AAC-2", "AAC-1"]),
    audio_only("4102", "AAC", "aac", ["AAC-2", "AAC-1"]),
    audio_only("4103", "WAV", "wav", ["PCM-2", "PCM-1"]),
    audio_only("4104", "FLAC", "flac", ["FLAC-2", "FLAC-1"]),
    audio_only("4105", "OGG", "ogg", ["OGG-2"]),
    audio_only("4106", "AC3", "ac3", ["AC3-2", "AC3-6"]),
    audio_only("4107", "WMA", "wma", ["WMA2-2", "WMA1-2"]),
]
ENCODING_CODECS = [
    ("H264", "H.264"), ("H265", "H.265 (HEVC)"), ("MP4V", "MPEG-4"), ("VP8 ", "VP8"),
    ("VP9 ", "VP9"), ("WMV1", "WMV1"), ("WMV2", "WMV2"), ("mp2v", "MPEG-2"),
    ("mpg1", "MPEG-1"), ("flv1", "FLV1"), ("H263", "H.263"), ("AAC ", "AAC"),
    ("MP3 ", "MP3"), ("AC3 ", "AC-3"), ("OGG ", "Vorbis"), ("MP2A", "MP2"),
    ("wma2", "WMA2"), ("wma1", "WMA1"), ("PCM ", "PCM 16-bit"), ("flac", "FLAC"),
]

LOSSLESS_CATEGORIES = ["General Video", "General Audio"]
LOSSLESS = [
    ("General Video", "3000", "Original", "", "original", True),
    ("General Video", "3001", "MP4", "mp4", "mp4", True),
    ("General Video", "3002", "MKV", "mkv", "mkv", True),
    ("General Video", "3003", "MOV", "mov", "mov", True),
    ("General Video", "3004", "TS", "ts", "ts", True),
    ("General Audio", "3100", "MKA", "mka", "mka", False),
    ("General Audio", "3101", "M4A", "m4a", "m4a", False),
]


class Writer:
    def __init__(self):
        self.lines = []
        self.depth = 0

    def line(self, text):
        self.lines.append("    " * self.depth + text)

    def string(self, key, value):
        self.line("<key>%s</key><string>%s</string>" % (escape(key), escape(value)))

    def open(self, key, kind):
        if key is not None:
            self.line("<key>%s</key>" % escape(key))
        self.line("<%s>" % kind)
        self.depth += 1

    def close(self, kind):
        self.depth -= 1
        self.line("</%s>" % kind)

    def strings_dict(self, key, pairs):
        self.open(key, "dict")
        for k, v in pairs:
            self.string(k, v)
        self.close("dict")


def ladder(low, high):
    return ",".join(str(v) for v in LADDER if low / 2 <= v <= 2 * high)


def unique(seq):
    out = []
    for item in seq:
        if item not in out:
            out.append(item)
    return out


def write_base(w, pid, title, ext, icon):
    w.strings_dict("baseinfo", [("title", title), ("id", pid), ("ext", ext),
                                ("icon", icon), ("auto", "0")])


def write_video_entry(w, code, resolution, rates, frames):
    low, default, high = rates
    w.open(None, "dict")
    w.string("fourcc", code)
    w.string("resolution", resolution)
    w.strings_dict("videobitrate", [("default", str(default)), ("low", str(low)),
                                    ("high", str(high)), ("supports", ladder(low, high) if high else "0")])
    w.strings_dict("framerate", [("default", frames[0]), ("supports", frames[1])])
    w.close("dict")


def write_audio_entry(w, code, channel, rates, supports, rate_default, rate_supports):
    low, default, high = rates
    w.open(None, "dict")
    w.string("fourcc", code)
    w.string("channel", channel)
    w.strings_dict("audiobitrate", [("default", str(default)), ("low", str(low)),
                                    ("high", str(high)), ("supports", supports)])
    w.strings_dict("samplerate", [("default", rate_default), ("supports", rate_supports)])
    w.close("dict")


def write_encoding_preset(w, p):
    w.open(None, "dict")
    write_base(w, p["id"], p["title"], p["ext"], p["icon"])
    has_video = bool(p["codes"])
    if has_video:
        w.strings_dict("videoencoders", [("supports", ",".join(p["codes"])), ("default", p["vdefault"])])
        per_code = p["resolutions"] if isinstance(p["resolutions"], dict) else \
            {code: p["resolutions"] for code in p["codes"]}
        w.strings_dict("resolution", [("default", per_code[p["vdefault"]][0])])
        w.open("videoparams", "array")
        for code in p["codes"]:
            for resolution in per_code[code]:
                if code == "H263":
                    assert resolution in H263_SIZES, (p["id"], resolution)
                rates = VIDEO_RATES[GROUP[code]][resolution]
                write_video_entry(w, code, resolution, rates, p["frames"])
        w.close("array")
    sets = [AUDIO_SETS[name] for name in p["audio"]]
    codes = unique(s[0] for s in sets)
    w.strings_dict("audioencoders", [("supports", ",".join(codes)), ("default", sets[0][0])])
    w.strings_dict("channels", [("default", sets[0][1])])
    w.open("audioparams", "array")
    for code in codes:
        for s in sets:
            if s[0] != code:
                continue
            rate_default = s[4][0] if has_video else s[4][1]
            write_audio_entry(w, s[0], s[1], s[2], s[3], rate_default, s[5])
    w.close("array")
    w.close("dict")


def write_lossless_preset(w, pid, title, ext, icon, has_video):
    w.open(None, "dict")
    write_base(w, pid, title, ext, icon)
    if has_video:
        w.strings_dict("videoencoders", [("supports", "Original"), ("default", "Original")])
        w.strings_dict("resolution", [("default", "Original")])
        w.open("videoparams", "array")
        write_video_entry(w, "Original", "Original", (0, 0, 0), ("0", "0"))
        w.close("array")
    w.strings_dict("audioencoders", [("supports", "Original"), ("default", "Original")])
    w.strings_dict("channels", [("default", "Original")])
    w.open("audioparams", "array")
    write_audio_entry(w, "Original", "Original", (0, 0, 0), "0", "0", "0")
    w.close("array")
    w.close("dict")


def document(categories, presets_by_category, codecs):
    w = Writer()
    w.lines.append('<?xml version="1.0" encoding="UTF-8"?>')
    w.lines.append('<plist version="1.0">')
    w.line("<dict>")
    w.depth += 1
    w.open("Categories", "array")
    for name in categories:
        w.line("<string>%s</string>" % escape(name))
    w.close("array")
    for name in categories:
        w.open(name, "array")
        for write in presets_by_category[name]:
            write(w)
        w.close("array")
    w.strings_dict("Codecs", codecs)
    w.depth -= 1
    w.line("</dict>")
    w.lines.append("</plist>")
    return "\n".join(w.lines) + "\n"


def main():
    encoding = {name: [] for name in ENCODING_CATEGORIES}
    for p in ENCODING:
        encoding[p["cat"]].append(lambda w, p=p: write_encoding_preset(w, p))
    lossless = {name: [] for name in LOSSLESS_CATEGORIES}
    for entry in LOSSLESS:
        lossless[entry[0]].append(lambda w, e=entry: write_lossless_preset(w, *e[1:]))
    with open(os.path.join(HERE, "profiles_mac.plist"), "w", encoding="utf-8") as f:
        f.write(document(ENCODING_CATEGORIES, encoding, ENCODING_CODECS))
    with open(os.path.join(HERE, "profiles_mac_Lossless.plist"), "w", encoding="utf-8") as f:
        f.write(document(LOSSLESS_CATEGORIES, lossless, [("Original", "Original")]))


if __name__ == "__main__":
    main()
