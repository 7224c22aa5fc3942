// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// WebGL has no default texture object: texture 0 is no texture at all. gl4es,
// written for GL ES, sets texture 0 up at the first draw like any other
// texture (its mipmaps, its filters and wrapping), and WebGL reports each of
// those calls as an error. With nothing bound they have nothing to act on,
// so they are dropped here. gl4es calls the emscripten_gl names (through
// SDL_GL_GetProcAddress): both are replaced, their signatures Emscripten's own.
var velmoraDefaultTexture = {
  $textureBound: function(target) {
    var binding = target == 0x8513 /* GL_TEXTURE_CUBE_MAP */ ? 0x8514 : 0x8069 /* GL_TEXTURE_BINDING_2D */;
    return GLctx.getParameter(binding) !== null;
  },
  glGenerateMipmap__deps: ['$textureBound'],
  glGenerateMipmap: function(target) {
    if (textureBound(target)) GLctx.generateMipmap(target);
  },
  glTexParameteri__deps: ['$textureBound'],
  glTexParameteri: function(target, name, value) {
    if (textureBound(target)) GLctx.texParameteri(target, name, value);
  },
  glTexParameterf__deps: ['$textureBound'],
  glTexParameterf: function(target, name, value) {
    if (textureBound(target)) GLctx.texParameterf(target, name, value);
  },
  emscripten_glGenerateMipmap: 'glGenerateMipmap',
  emscripten_glTexParameteri: 'glTexParameteri',
  emscripten_glTexParameterf: 'glTexParameterf',
};
mergeInto(LibraryManager.library, velmoraDefaultTexture);
