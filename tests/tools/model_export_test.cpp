// ".x" and ".ply" through assimp and back: parts keep their order, positions,
// texture coordinates and winding; data\sprite.x is the quad the overlay needs.
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include "generated_data.h"
#include "tools/assetgen/model_export.h"

namespace assetgen_test {
namespace {

using assetgen::MeshBuilder;
using assetgen::V3;



aiVector3D FaceCross(const aiMesh* mesh, unsigned face) {
    const aiFace& f = mesh->mFaces[face];
    const aiVector3D a = mesh->mVertices[f.mIndices[0]];
    return (mesh->mVertices[f.mIndices[1]] - a) ^ (mesh->mVertices[f.mIndices[2]] - a);
}

TEST(ModelExport, PartsKeepTheirOrderAndVisibleFacesWindForTheLeftHandedView) {
    std::vector<MeshBuilder> parts;
    for (int i = 0; i < 3; ++i) {
        parts.emplace_back("part" + std::to_string(i));
        parts.back().AddBox({-1, -1, 10.0 * i}, {1, 1, 10.0 * i + 2}, i);
    }
    Assimp::Importer importer;
    const aiScene* scene = ImportModel(importer, assetgen::ExportX(parts));
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_EQ(scene->mNumMeshes, 3u);
    for (unsigned m = 0; m < 3; ++m) {
        const aiMesh* mesh = scene->mMeshes[m];
        EXPECT_EQ(mesh->mNumFaces, 12u);
        double zSum = 0;
        for (unsigned v = 0; v < mesh->mNumVertices; ++v) zSum += mesh->mVertices[v].z;
        EXPECT_NEAR(zSum / mesh->mNumVertices, 10.0 * m + 1, 1e-4) << "part " << m;
        // Seen from outside each face winds counter-clockwise on the screen of the
        // left-handed view, so the plain cross product points into the box.
        const aiVector3D centre(0, 0, static_cast<float>(10.0 * m + 1));
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const unsigned first = mesh->mFaces[f].mIndices[0];
            const aiVector3D toFace = mesh->mVertices[first] - centre;
            EXPECT_LT(FaceCross(mesh, f) * toFace, 0) << "part " << m << " face " << f;
            // Normals come back pointing out of the box.
            EXPECT_GT(mesh->mNormals[first] * toFace, 0) << "part " << m << " face " << f;
        }
        ASSERT_NE(scene->mMaterials[mesh->mMaterialIndex], nullptr);
        aiString texture;
        ASSERT_EQ(scene->mMaterials[mesh->mMaterialIndex]->GetTexture(aiTextureType_DIFFUSE, 0, &texture),
                  aiReturn_SUCCESS);
        EXPECT_STREQ(texture.C_Str(), "palette.png");
    }
}

TEST(ModelExport, PlyMergesPartsWithFacesTowardsTheOutside) {
    std::vector<MeshBuilder> parts;
    parts.emplace_back("a");
    parts.back().AddBox({0, 0, 0}, {1, 1, 1}, 0);
    parts.emplace_back("b");
    parts.back().AddBox({5, 0, 0}, {6, 1, 1}, 0);
    Assimp::Importer importer;
    const aiScene* scene = ImportCollision(importer, assetgen::ExportPly(parts));
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_EQ(scene->mNumMeshes, 1u);
    const aiMesh* mesh = scene->mMeshes[0];
    EXPECT_EQ(mesh->mNumFaces, 24u);
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
        const aiVector3D a = mesh->mVertices[mesh->mFaces[f].mIndices[0]];
        const aiVector3D centre = a.x < 3 ? aiVector3D(0.5f, 0.5f, 0.5f) : aiVector3D(5.5f, 0.5f, 0.5f);
        EXPECT_GT(FaceCross(mesh, f) * (a - centre), 0) << "face " << f;
    }
}

TEST(ModelExport, EmptyPartIsRefused) {
    EXPECT_THROW(assetgen::ExportX({MeshBuilder("empty")}), std::runtime_error);
}

TEST(GeneratedModels, SpriteIsACentredQuadFacingTheCameraWithTheTopOfThePictureUp) {
    Assimp::Importer importer;
    const aiScene* scene = ImportModel(importer, ReadBytes(GeneratedRoot() / "data/sprite.x"));
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    ASSERT_EQ(scene->mNumMeshes, 1u);
    const aiMesh* quad = scene->mMeshes[0];
    ASSERT_EQ(quad->mNumFaces, 2u);
    ASSERT_TRUE(quad->HasTextureCoords(0));
    ASSERT_TRUE(quad->HasNormals());
    for (unsigned v = 0; v < quad->mNumVertices; ++v) {
        const aiVector3D p = quad->mVertices[v];
        const aiVector3D uv = quad->mTextureCoords[0][v];
        EXPECT_NEAR(std::fabs(p.x), 0.8, 1e-5);
        EXPECT_NEAR(std::fabs(p.y), 0.8, 1e-5);
        EXPECT_NEAR(p.z, 0, 1e-5);
        EXPECT_NEAR(uv.x, p.x > 0 ? 1 : 0, 1e-5);
        EXPECT_NEAR(uv.y, p.y > 0 ? 0 : 1, 1e-5);  // v = 0 is the picture's top row
        EXPECT_NEAR(quad->mNormals[v].z, -1, 1e-5);
    }
    for (unsigned f = 0; f < 2; ++f) EXPECT_GT(FaceCross(quad, f).z, 0);  // counter-clockwise on screen
}

}  // namespace
}  // namespace assetgen_test
