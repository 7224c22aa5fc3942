-- SPDX-FileCopyrightText: 2026 The velmora developers
-- SPDX-License-Identifier: MIT
-- pandoc filter for scripts/html-pages.sh, after html-links.lua: what the
-- browser would otherwise draw badly on a narrow screen or in MathML.

-- Inline code breaks after a space or a path's slash or backslash, never at a hyphen (an
-- option such as -geometry stays whole) nor inside a name such as
-- GL_DIFFUSE; a piece too long for the line still breaks inside (pages.css)
-- rather than widen the page.
local function escape(text)
  return (text:gsub('[&<>"]', { ['&'] = '&amp;', ['<'] = '&lt;', ['>'] = '&gt;', ['"'] = '&quot;' }))
end

function Code(code)
  if code.identifier ~= '' or #code.classes > 0 then
    return nil
  end
  local html = {}
  for body, separator in code.text:gmatch('([^%s/\\]*)([%s/\\]?)') do
    if body:find('-', 1, true) then
      html[#html + 1] = '<span class="unbroken">' .. escape(body) .. '</span>'
    else
      html[#html + 1] = escape(body)
    end
    html[#html + 1] = separator
    -- Not after a path's leading /, ./ or C:\, which would stand alone,
    -- nor at the end, where Chromium would swallow the space after the code.
    if separator:match('[/\\]') and not body:match('^%.*$') and not body:match(':$') then
      html[#html + 1] = '<wbr>'
    end
  end
  local text = table.concat(html):gsub('<wbr>$', '')
  return pandoc.RawInline('html', '<code>' .. text .. '</code>')
end

-- pandoc (texmath) writes \dot and \ddot as combining marks, which Chromium
-- sets beside the letter rather than over it; the spacing dots sit where
-- they belong. It also makes every ( ) a stretchy fence, which Chromium pads
-- on both sides: "f ( θ )". A brace group keeps a plain parenthesis plain;
-- those after \left, \right or \big... are meant to stretch and stay.
local sizing = {}
for _, command in ipairs({ 'left', 'right', 'big', 'Big', 'bigg', 'Bigg' }) do
  for _, side in ipairs({ '', 'l', 'r', 'm' }) do
    sizing['\\' .. command .. side] = true
  end
end

function Math(math)
  local text = math.text:gsub('\\ddot(%A)', '\\overset{¨}%1'):gsub('\\dot(%A)', '\\overset{˙}%1')
  text = text:gsub('(\\?%a*)([()])', function(before, paren)
    if sizing[before] then
      return nil
    end
    return before .. '{' .. paren .. '}'
  end)
  math.text = text
  return math
end
