// The one part of a corpus replay that differs from target to target, so that the replay
// itself is compiled once for all of them.
namespace plessard::fuzz {

extern const char* const corpus_folder;
const char* const corpus_folder = PLESSARD_FUZZ_CORPUS;

}  // namespace plessard::fuzz
