// The pictures of this library live in its compiled-in resources (":/images/...").
namespace assets {
int resourceAnchor() { return 0; }
} // namespace assets
