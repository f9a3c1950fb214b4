#include "CodecInterrupt.h"

#include "zovAruzIvivu.h"

CodecInterrupt::CodecInterrupt() { ZV_SetInterrupt_Library(1); }

CodecInterrupt::~CodecInterrupt() { ZV_SetInterrupt_Library(0); }
