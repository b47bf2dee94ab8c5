// Linked into velmora-cli.exe: its standard input, output and error carry bytes as on Linux, with no
// carriage return put before each line feed or taken from the input, so both print the same bytes.
#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <io.h>

namespace {

const bool binaryStandardStreams = [] {
    for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
    return true;
}();

}  // namespace
