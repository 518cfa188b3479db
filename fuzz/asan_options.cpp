// Defaults of the address sanitizer for the fuzz targets, chosen for speed:
// the session target builds texts of up to ten thousand decimals many times
// per input, and with the default quarantine of 256 MB and a recorded stack
// at every allocation most of its time went to the allocator. A finding is
// best replayed with fuller reports:
//   ASAN_OPTIONS=malloc_context_size=30 build-fuzz/fuzz/fuzz_session INPUT
// (ASAN_OPTIONS overrides these defaults.)

extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=16:malloc_context_size=0";
}
