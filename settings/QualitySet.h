#pragma once

#include <QString>

// The custom encoding values the user saved for one preset id.
// V_Encoder, A_Encoder and A_Channel hold codes, the other texts the shown
// texts of the encoding panel's lists.
struct QualitySet
{
    bool OnlyAudio = false;
    QString V_Encoder;
    QString V_Resolution;
    QString V_FrameRate;
    QString V_BitRate;
    QString A_Encoder;
    QString A_Channel;
    QString A_SampleRate;
    QString A_BitRate;
    quint32 V_A_Quality = 0;
};
