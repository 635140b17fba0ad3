// Replaced as the PDB library grows.
namespace jconv5 { int placeholder() { return 0; } }
