// placeholder
namespace {}
