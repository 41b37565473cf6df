// placeholder until the core lands
namespace afx_anchor { int Anchor() { return 0; } }
