// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// glDrawElements with client-side arrays: Emscripten 3.1.6 uploads only
// `count` vertices of each client-side array, where the indices may reach
// further (a sphere's strips then come out as scattered triangles); newer
// Emscripten uploads up to the largest index, as here. gl4es reaches GL ES
// through SDL_GL_GetProcAddress, which hands out the emscripten_gl names:
// both are replaced. Their signatures stay Emscripten's own, which newer
// versions write with pointer types.
var velmoraDrawElements = {
  glDrawElements__deps: ['$GL'],
  glDrawElements: function(mode, count, type, indices) {
    var buffer = null;
    var vertices = count;
    if (!GLctx.currentElementArrayBufferBinding) {
      var size = GL.calcBufLength(1, type, 0, count);
      var list = type == 0x1405 /* GL_UNSIGNED_INT */ ? HEAPU32.subarray(indices >> 2, (indices >> 2) + count) :
                 type == 0x1403 /* GL_UNSIGNED_SHORT */ ? HEAPU16.subarray(indices >> 1, (indices >> 1) + count) :
                 HEAPU8.subarray(indices, indices + count);
      var largest = -1;
      for (var i = 0; i < list.length; ++i) {
        if (list[i] > largest) largest = list[i];
      }
      vertices = largest + 1;
      buffer = GL.getTempIndexBuffer(size);
      GLctx.bindBuffer(0x8893 /* GL_ELEMENT_ARRAY_BUFFER */, buffer);
      GLctx.bufferSubData(0x8893, 0, HEAPU8.subarray(indices, indices + size));
      indices = 0;
    }
    GL.preDrawHandleClientVertexAttribBindings(vertices);
    GLctx.drawElements(mode, count, type, indices);
    GL.postDrawHandleClientVertexAttribBindings(vertices);
    if (buffer) GLctx.bindBuffer(0x8893, null);
  },
  emscripten_glDrawElements: 'glDrawElements',
};
mergeInto(LibraryManager.library, velmoraDrawElements);
