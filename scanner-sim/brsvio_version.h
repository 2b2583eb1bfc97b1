// The scanner I/O library's file version, for its version resource and for
// the tests that read it back (a plain define: the resource compiler reads
// this file too).
#pragma once

#define BRSVIO_VERSION 1, 2, 0, 7
#define BRSVIO_VERSION_TEXT "1.2.0.7"
