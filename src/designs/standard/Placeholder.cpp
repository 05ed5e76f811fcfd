// placeholder until the standard design tables land
namespace {}
