-- SPDX-FileCopyrightText: 2026 The velmora developers
-- SPDX-License-Identifier: MIT
-- pandoc filter for scripts/html-pages.sh: the pages lie side by side in one
-- folder as HTML, so README.md becomes index.html, docs/NAME.md NAME.html,
-- pictures keep their names, LICENSE is LICENSE.html; anchors stay. The page's
-- first heading is its title, and the licence comments are left out.
-- A translated page (its lang not en) lies in a folder of its own language:
-- pictures other than its own plots, and the pages not translated
-- (translated-pages), are in the folder above, and a link to such a page
-- says so (in-english); its headings keep the English page's anchors
-- (english-source), which links into it use.

local translated = nil -- the names of the translated pages, on a translated page
local in_english = ''

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

-- On a translated page, a file that is not one of its language's: in the
-- folder above.
local function above(target)
  local name = target:match('^([^#]*)')
  if not translated or name == '' or target:match('^%a[%w+.-]*:') then
    return target, false
  end
  if translated[name] or name:match('^model%-.*%.svg$') then
    return target, false
  end
  return '../' .. target, name:match('%.html$') ~= nil
end

-- A link that reads as its own target, or as the target's page, reads as
-- the new one.
local function Link(link)
  local target = flat(link.target)
  local text = pandoc.utils.stringify(link.content)
  if text == link.target then
    link.content = { pandoc.Str(target) }
  elseif text == link.target:match('^([^#]*)') then
    link.content = { pandoc.Str(target:match('^([^#]*)')) }
  end
  local english
  link.target, english = above(target)
  if english then
    return { link, pandoc.Space(), pandoc.Str(in_english) }
  end
  return link
end

local function Image(image)
  image.src = above(flat(image.src))
  return image
end

local function RawBlock(raw)
  if raw.format == 'html' and raw.text:match('^<!%-%-%s*SPDX%-') then
    return {}
  end
end

local function Meta(meta)
  if meta['translated-pages'] then
    translated = {}
    for name in pandoc.utils.stringify(meta['translated-pages']):gmatch('%S+') do
      translated[name] = true
    end
    in_english = pandoc.utils.stringify(meta['in-english'] or '')
  end
end

-- The English page's headings' anchors, in order.
local function english_anchors(path)
  local file = assert(io.open(path, 'r'))
  local english = pandoc.read(file:read('a'), 'markdown+gfm_auto_identifiers-implicit_figures')
  file:close()
  local anchors = {}
  english:walk({ Header = function(header) table.insert(anchors, header.identifier) end })
  return anchors
end

local function Pandoc(doc)
  for _, block in ipairs(doc.blocks) do
    if block.t == 'Header' and block.level == 1 then
      doc.meta.pagetitle = pandoc.utils.stringify(block.content)
      break
    end
  end
  if doc.meta['english-source'] then
    local anchors = english_anchors(pandoc.utils.stringify(doc.meta['english-source']))
    local count = 0
    doc = doc:walk({ Header = function(header)
      count = count + 1
      header.identifier = anchors[count] or header.identifier
      return header
    end })
    if count ~= #anchors then
      error(string.format('%s has %d headings, its translation %d', pandoc.utils.stringify(doc.meta['english-source']),
        #anchors, count))
    end
  end
  return doc
end

return { { Meta = Meta }, { Link = Link, Image = Image, RawBlock = RawBlock, Pandoc = Pandoc } }
