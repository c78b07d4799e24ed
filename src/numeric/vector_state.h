// The processor's vector state before a long run of calls into the maths library.
#pragma once

namespace numeric {

// Call before a loop that takes std::log, std::exp or std::pow of many values. The program
// is built for every x86-64 processor, so its own code uses SSE instructions, while the C
// library answers log, exp and pow with versions in AVX where the processor has it. Code
// that ran before, in Qt among others (starting the application, loading a picture), may
// return with the upper halves of the AVX registers still in use. While they are, recent
// Intel processors take a microcode assist at every switch between SSE and AVX code: a
// logarithm costs about 110 ns instead of 3 (a Xeon with AVX-512), which is milliseconds
// on a table of 10000 rows. Clearing them, as compiled AVX code does before it returns,
// removes that cost and changes no value.
// Does nothing on processors without AVX and on other architectures.
void ClearUpperVectorState();

}  // namespace numeric
