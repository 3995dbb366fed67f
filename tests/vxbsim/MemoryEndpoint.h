#pragma once

#include <string>

#include "vxbsim/Endpoint.h"

// The program's side as two strings: what it sends next and what the box wrote so far.
class MemoryEndpoint : public vxbsim::Endpoint {
public:
    std::string ReadAvailable() override {
        std::string got;
        got.swap(toBox);
        return got;
    }
    void Write(const std::string& bytes) override { fromBox += bytes; }

    std::string toBox;
    std::string fromBox;
};
