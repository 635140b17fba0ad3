// Replaced as the windows arrive.
namespace tk { int appPlaceholder() { return 0; } }
