-- SPDX-FileCopyrightText: 2026 The velmora developers
-- SPDX-License-Identifier: MIT
-- pandoc filter for scripts/html-pages.sh: the pages lie side by side in one
-- folder as HTML, so README.md becomes index.html, docs/NAME.md NAME.html,
-- pictures keep their names, LICENSE is LICENSE.html; anchors stay. The page's
-- first heading is its title, and the licence comments are left out.

local function flat(target)
  if target:match('^%a[%w+.-]*:') or target:match('^#') or target == '' then
    return target
  end
  local path, anchor = target:match('^([^#]*)(.*)$')
  local name = path:match('([^/]*)$')
  if name == 'README.md' then
    name = 'index.html'
  elseif name:match('%.md$') then
    name = name:gsub('%.md$', '.html')
  elseif name == 'LICENSE' then
    name = 'LICENSE.html'
  end
  return name .. anchor
end

-- A link that reads as its own target, or as the target's page, reads as
-- the new one.
function Link(link)
  local target = flat(link.target)
  local text = pandoc.utils.stringify(link.content)
  if text == link.target then
    link.content = { pandoc.Str(target) }
  elseif text == link.target:match('^([^#]*)') then
    link.content = { pandoc.Str(target:match('^([^#]*)')) }
  end
  link.target = target
  return link
end

function Image(image)
  image.src = flat(image.src)
  return image
end

function RawBlock(raw)
  if raw.format == 'html' and raw.text:match('^<!%-%-%s*SPDX%-') then
    return {}
  end
end

function Pandoc(doc)
  for _, block in ipairs(doc.blocks) do
    if block.t == 'Header' and block.level == 1 then
      doc.meta.pagetitle = pandoc.utils.stringify(block.content)
      break
    end
  end
  return doc
end
