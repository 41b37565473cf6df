// Keeps the window-free library non-empty in every tree; the areas add the real code.
namespace tkw {
int LogicAnchor() {
  return 0;
}
}  // namespace tkw
