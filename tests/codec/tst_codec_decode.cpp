// The library's packet-to-frame helper against the ffmpeg tool's own decode:
// every frame, in order, however the packets are fed, and again after a reset.
#include "TestMedia.h"

#include "core/PacketDecoder.h"

extern "C" {
#include <libavutil/imgutils.h>
}

#include <QCryptographicHash>
#include <QTest>

using zv::PacketDecoder;

namespace {

// The md5 of each picture, as `ffmpeg -f framemd5` reports it.
QStringList toolHashes(const QString &file)
{
    const auto r = TestMedia::run("ffmpeg", {"-v", "error", "-i", file, "-map", "0:v:0", "-vsync", "passthrough",
                                             "-f", "framemd5", "-"});
    QStringList hashes;
    for (const QByteArray &line : r.out.split('\n')) {
        if (!line.startsWith('#') && !line.trimmed().isEmpty())
            hashes << QString::fromLatin1(line.split(',').last().trimmed());
    }
    return hashes;
}

QString pictureHash(const AVFrame *f)
{
    const auto format = AVPixelFormat(f->format);
    const int size = av_image_get_buffer_size(format, f->width, f->height, 1);
    QByteArray bytes(size, Qt::Uninitialized);
    av_image_copy_to_buffer(reinterpret_cast<uint8_t *>(bytes.data()), size, f->data, f->linesize, format, f->width,
                            f->height, 1);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

struct Input {
    zv::InputFormatPtr format;
    zv::CodecContextPtr decoder;
    int stream = -1;

    bool open(const QString &file, int threads)
    {
        AVFormatContext *fmt = nullptr;
        if (avformat_open_input(&fmt, file.toUtf8().constData(), nullptr, nullptr) < 0)
            return false;
        format.reset(fmt);
        const AVCodec *codec = nullptr;
        if (avformat_find_stream_info(fmt, nullptr) < 0
            || (stream = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0)) < 0)
            return false;
        decoder.reset(avcodec_alloc_context3(codec));
        if (!decoder || avcodec_parameters_to_context(decoder.get(), fmt->streams[stream]->codecpar) < 0)
            return false;
        decoder->thread_count = threads;
        decoder->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
        return avcodec_open2(decoder.get(), codec, nullptr) >= 0;
    }

    bool rewind()
    {
        const int64_t start = format->start_time == AV_NOPTS_VALUE ? 0 : format->start_time;
        return av_seek_frame(format.get(), -1, start, AVSEEK_FLAG_BACKWARD) >= 0;
    }
};

// Feeds `burst` packets at a time before taking frames out, the way a reader
// that runs ahead of its consumer does; returns the hashes of every picture.
QStringList pullAll(Input &in, PacketDecoder &dec, int burst)
{
    QStringList hashes;
    zv::PacketPtr pkt = zv::makePacket();
    zv::FramePtr frame = zv::makeFrame();
    bool input = true;
    bool unsent = false;   // pkt was turned away: a packet still waits inside
    while (!dec.ended()) {
        for (int i = 0; input && i < burst; ++i) {
            int r = 0;
            while (!unsent && (r = av_read_frame(in.format.get(), pkt.get())) >= 0 && pkt->stream_index != in.stream)
                av_packet_unref(pkt.get());
            if (r < 0) {
                // The end, while packets may still wait inside the decoder.
                input = false;
                if (dec.send(nullptr) != 0)
                    return {QStringLiteral("the end was refused")};
                break;
            }
            const int s = dec.send(pkt.get());
            unsent = s == AVERROR(EAGAIN);
            if (unsent)
                break;   // take frames out first, then offer it again
            av_packet_unref(pkt.get());
            if (s < 0)
                return {QStringLiteral("packet refused: %1").arg(s)};
        }
        int r = 0;
        while ((r = dec.receive(frame.get())) == 0)
            hashes << pictureHash(frame.get());
        if (r != AVERROR(EAGAIN) && r != AVERROR_EOF)
            return {QStringLiteral("decoding failed: %1").arg(r)};
        if (r == AVERROR(EAGAIN) && !input)
            return {QStringLiteral("the decoder wants packets after the end")};
    }
    return hashes;
}

// The same through the push call: one packet, all its frames, then the next.
QStringList pushAll(Input &in, PacketDecoder &dec)
{
    QStringList hashes;
    zv::PacketPtr pkt = zv::makePacket();
    zv::FramePtr frame = zv::makeFrame();
    auto keep = [&](AVFrame *f) {
        hashes << pictureHash(f);
        return 0;
    };
    while (av_read_frame(in.format.get(), pkt.get()) >= 0) {
        const int r = pkt->stream_index == in.stream ? dec.decode(pkt.get(), frame.get(), keep) : 0;
        av_packet_unref(pkt.get());
        if (r < 0)
            return {QStringLiteral("decoding failed: %1").arg(r)};
    }
    const int r = dec.decode(nullptr, frame.get(), keep);
    if (r != AVERROR_EOF || !dec.ended())
        return {QStringLiteral("no end after the last packet: %1").arg(r)};
    return hashes;
}

} // namespace

class TestCodecDecode : public QObject {
    Q_OBJECT

private slots:
    void everyFrameInOrder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("threads");
        QTest::addColumn<int>("burst");
        // Intra-only pictures: each packet yields a frame at once, so a decoder
        // fed three packets without being read from turns the third away.
        const QString mjpeg = TestMedia::make("decode_mjpeg.avi", {"-f", "lavfi", "-i",
                                              "testsrc2=size=160x120:rate=25:duration=2", "-c:v", "mjpeg"});
        // B-frames: the last pictures come out only after the end of input.
        const QString bframes = TestMedia::make("decode_bframes.mp4",
                                                {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=2",
                                                 "-c:v", "libx264", "-preset", "veryfast", "-bf", "3", "-g", "12",
                                                 "-pix_fmt", "yuv420p"});
        QTest::newRow("intra, one at a time") << mjpeg << 1 << 1;
        QTest::newRow("intra, three at a time") << mjpeg << 1 << 3;
        QTest::newRow("B-frames, frame threads, five at a time") << bframes << 4 << 5;
        QTest::newRow("B-frames, one thread, one at a time") << bframes << 1 << 1;
    }

    void everyFrameInOrder()
    {
        QFETCH(QString, file);
        QFETCH(int, threads);
        QFETCH(int, burst);
        QVERIFY(!file.isEmpty());
        const QStringList truth = toolHashes(file);
        QVERIFY(truth.size() >= 40);
        Input in;
        QVERIFY(in.open(file, threads));
        PacketDecoder dec(in.decoder.get());
        QCOMPARE(pullAll(in, dec, burst), truth);

        // After the end a reset makes the decoder usable again, with nothing
        // of the first run left inside.
        QVERIFY(in.rewind());
        dec.reset();
        QVERIFY(!dec.ended());
        QCOMPARE(pushAll(in, dec), truth);
    }
};

QTEST_GUILESS_MAIN(TestCodecDecode)
#include "tst_codec_decode.moc"
