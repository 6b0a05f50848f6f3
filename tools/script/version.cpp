// The harness library; its sources grow in this folder.
namespace ondivel::script {
int harnessVersion();
int harnessVersion() { return 1; }
} // namespace ondivel::script
