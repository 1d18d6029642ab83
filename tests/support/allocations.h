#pragma once
// A test program that calls Allocations_So_Far() counts every allocation it makes, so that a
// test can show a stretch of frames allocates nothing.
namespace zarvo::test {

long Allocations_So_Far();

}  // namespace zarvo::test
