#pragma once
// Raises the codec library's interrupt for its lifetime: every open, probe or
// picture read in progress, on any thread, or started meanwhile gives up. The
// flag is one for the whole process, so scopes do not nest: the first to end
// lowers it.

#include <QtGlobal>

class CodecInterrupt
{
    Q_DISABLE_COPY(CodecInterrupt)

public:
    CodecInterrupt();
    ~CodecInterrupt();
};
