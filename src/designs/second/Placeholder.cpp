// placeholder until the second design tables land
namespace {}
