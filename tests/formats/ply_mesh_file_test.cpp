// The ".ply" reader: every encoding the files come in, and no mesh from any cut or damaged file.
#include <gtest/gtest.h>

#include <cstring>

#include "formats/ply_mesh_file.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

formats::PlyMesh Square() {
    formats::PlyMesh mesh;
    mesh.vertices = {0, 0, 0, 1, 0, 0, 1, 1, 0.25f, -0.5f, 1e-7f, 3.14159f};
    mesh.triangles = {0, 1, 2, 0, 2, 3};
    return mesh;
}

// The square as a binary file of the given byte order, with a normal per vertex
// and an extra element to read past, and one quad face for the two triangles.
std::vector<uint8_t> BinarySquare(bool little) {
    const std::string header = std::string("ply\nformat ") + (little ? "binary_little_endian" : "binary_big_endian") +
                               " 1.0\ncomment made by hand\nelement vertex 4\nproperty float x\nproperty float y\n"
                               "property float z\nproperty uchar flag\nelement face 1\n"
                               "property list uchar int vertex_indices\nelement edge 1\nproperty short a\n"
                               "end_header\n";
    std::vector<uint8_t> out = Bytes(header);
    const auto put = [&](const void* p, int size) {
        const uint8_t* b = static_cast<const uint8_t*>(p);
        for (int i = 0; i < size; ++i) out.push_back(b[little ? i : size - 1 - i]);
    };
    const formats::PlyMesh square = Square();
    for (size_t v = 0; v < 4; ++v) {
        for (int axis = 0; axis < 3; ++axis) put(&square.vertices[v * 3 + axis], 4);
        out.push_back(7);
    }
    out.push_back(4);
    for (int32_t index : {0, 1, 2, 3}) put(&index, 4);
    const int16_t edge = -2;
    put(&edge, 2);
    return out;
}

TEST(PlyMeshFile, AsciiAndBothBinaryOrdersReadTheSameMesh) {
    const formats::PlyMesh square = Square();
    const auto ascii = formats::ReadPlyMesh(Bytes(formats::WritePlyMesh(square)));
    ASSERT_TRUE(ascii);
    EXPECT_EQ(ascii->vertices, square.vertices);
    EXPECT_EQ(ascii->triangles, square.triangles);
    for (bool little : {true, false}) {
        std::string error;
        const auto binary = formats::ReadPlyMesh(BinarySquare(little), &error);
        ASSERT_TRUE(binary) << error;
        EXPECT_EQ(binary->vertices, square.vertices);
        EXPECT_EQ(binary->triangles, square.triangles) << "a quad is a fan of two triangles";
    }
}

// Every prefix of every encoding, and a file with each byte in turn overwritten,
// gives a mesh or a reason, never a read outside the buffer (the suite runs under
// ASan) or a hang.
TEST(PlyMeshFile, EveryCutAndDamagedByteGivesAMeshOrAReason) {
    const std::vector<std::vector<uint8_t>> files = {Bytes(formats::WritePlyMesh(Square())), BinarySquare(true),
                                                     BinarySquare(false)};
    for (const std::vector<uint8_t>& file : files) {
        for (size_t cut = 0; cut < file.size(); ++cut) {
            std::string error;
            const auto mesh = formats::ReadPlyMesh(std::span(file.data(), cut), &error);
            if (!mesh) {
                EXPECT_FALSE(error.empty()) << cut;
            } else {
                EXPECT_EQ(mesh->triangles.size() % 3, 0u);
            }
        }
        for (size_t at = 0; at < file.size(); ++at) {
            for (uint8_t value : {uint8_t(0), uint8_t(0xFF), uint8_t('9')}) {
                std::vector<uint8_t> damaged = file;
                damaged[at] = value;
                const auto mesh = formats::ReadPlyMesh(damaged);
                if (!mesh) continue;
                for (uint32_t index : mesh->triangles) EXPECT_LT(index, mesh->vertices.size() / 3);
            }
        }
    }
}

TEST(PlyMeshFile, RefusesWhatItCannotTrust) {
    const auto reason = [](const std::string& text) {
        std::string error;
        EXPECT_FALSE(formats::ReadPlyMesh(Bytes(text), &error)) << text;
        return error;
    };
    const std::string head = "ply\nformat ascii 1.0\nelement vertex 3\nproperty float x\nproperty float y\n"
                             "property float z\nelement face 1\nproperty list uchar int vertex_indices\nend_header\n";
    EXPECT_EQ(reason(head + "0 0 0\n1 0 0\n0 1 0\n3 0 1 3\n"), "vertex index out of range");
    EXPECT_EQ(reason(head + "0 0 0\n1 0 0\n0 1 nan\n3 0 1 2\n"), "coordinate out of range");
    EXPECT_EQ(reason(head + "0 0 0\n1 0 0\n0 1 1e39\n3 0 1 2\n"), "coordinate out of range");
    EXPECT_EQ(reason(head + "0 0 0\n1 0 0\n0 1 0\n2 0 1\n"), "no triangles");
    EXPECT_EQ(reason("ply\nformat ascii 1.0\nelement vertex 4000000000\nproperty float x\nend_header\n1 2\n"),
              "element vertex longer than the file");
    EXPECT_EQ(reason("ply\nformat ascii 1.0\nelement vertex 1\nproperty float x\nproperty float y\nend_header\n"
                     "1 2\n"),
              "vertex without x, y and z");
    EXPECT_EQ(reason("solid cube\n"), "not a .ply file");
    EXPECT_EQ(reason("ply\nformat ascii 1.0\nelement vertex 1\n"), "header cut short");
}

}  // namespace
